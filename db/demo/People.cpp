#include "Catalogue.h"
#include "DemoRandom.h"
#include "StoreParts.h"

namespace demo {
namespace {

QString padded(int number, int width) { return QString::number(number).rightJustified(width, QLatin1Char('0')); }

QString customerName(DemoRandom &random)
{
    const QStringList &names = random.chance(0.5) ? femaleNames() : maleNames();
    QStringList words{random.pick(names)};
    const QString second = random.pick(names);
    if (random.chance(0.5) && second != words.first())
        words << second;
    if (random.chance(0.3))
        words << QStringLiteral("DE");
    words << random.pick(surnames());
    if (random.chance(0.6))
        words << random.pick(surnames());
    return words.join(QLatin1Char(' '));
}

// The text encoding of a fingerprint template: only the kit can read it, the demo only
// needs rows that look the part.
QString fingerprintTemplate(DemoRandom &random)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_");
    QString text;
    for (int i = 0; i < 400; ++i)
        text += alphabet.at(random.between(0, int(alphabet.size()) - 1));
    return text;
}

// The four schedule times of a work day: weekday, Saturday or Sunday.
QStringList scheduleOf(const Shift &shift, const QDate &day)
{
    const int first = day.dayOfWeek() == Qt::Sunday ? 8 : day.dayOfWeek() == Qt::Saturday ? 4 : 0;
    return shift.times.mid(first, 4);
}

} // namespace

bool writeCustomers(StoreContext &context, int count)
{
    DemoRandom random(context.seed, quint32(Stream::Customers));
    TableWriter customers =
        context.writer(QStringLiteral("Cliente"), {"COD_CLI", "COD_PROD", "Codigo_Barras", "Nome", "Pontos", "vlr_Saldo"});
    for (int code = 1; code <= count; ++code) {
        const QString name = customerName(random);
        const int points = random.chance(0.2) ? 0 : random.between(1, 5000);
        const double balance = random.chance(0.4) ? 0 : random.between(1, 50000) / 100.0;
        // Loyalty cards: eight digits that no product code or barcode can take.
        if (!customers.insert({code, code, QStringLiteral("5") + padded(code, 7), name, points, balance}))
            return context.failed(customers);
    }
    return true;
}

bool writeStaff(StoreContext &context)
{
    DemoRandom random(context.seed, quint32(Stream::Staff));
    TableWriter employees = context.writer(
        QStringLiteral("Funcionario"),
        {"Cod_func", "Codigo_Barras", "Nome", "chk_ativo", "HORA_ENTRADA", "HORA_INTERVALO1", "HORA_INTERVALO2", "HORA_SAIDA",
         "HORA_ENTRADA_SAB", "HORA_INTER_SAB1", "HORA_INTER_SAB2", "HORA_SAIDA_SAB", "HORA_ENTRADA_DOM", "HORA_INTER_DOM1",
         "HORA_INTER_DOM2", "HORA_SAIDA_DOM", "TOLERANCIA_MINUTOS", "CHK_REGISTRA_INTERVALO"});
    TableWriter passwords = context.writer(
        QStringLiteral("Senha"),
        {"flg_origem", "Codigo", "COD_LOJA", "Senha", "CHK_SANGRIAS", "CHK_EXCLUIR_NOTA", "CHK_EXCLUIR_REGISTROS"});
    TableWriter punches = context.writer(
        QStringLiteral("Ponto"),
        {"cod_func", "Movimento", "Data", "Hora_Entrada", "Ent_Inter", "Sai_Inter", "Hora_Saida", "Status", "cod_loja"});

    const QList<Employee> &staff = demo::employees();
    for (int i = 0; i < staff.size(); ++i) {
        const Employee &e = staff.at(i);
        const Shift &shift = shifts().at(e.shift);
        const int code = i + 1;
        const QStringList &t = shift.times;
        if (!employees.insert({code, QStringLiteral("9") + padded(code, 7), e.name, e.active ? "T" : "F",
                               t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11],
                               shift.toleranceMinutes, shift.punchesBreak ? "T" : "F"}))
            return context.failed(employees);
        // The password is the code repeated up to four digits: 1111, 1212, 2424.
        const bool manager = code <= 2;
        if (!passwords.insert({"F", code, 1, QString::number(code).repeated(4).left(4), e.supervisor ? "T" : "F",
                               manager ? "T" : "F", manager ? "T" : "F"}))
            return context.failed(passwords);

        // The last week of punches; Sunday is a day off except on the night shift.
        const bool nightShift = QTime::fromString(t[0], QStringLiteral("HH:mm")) > QTime::fromString(t[3], QStringLiteral("HH:mm"));
        for (int daysAgo = 6; daysAgo >= 0; --daysAgo) {
            const QDate day = context.today().addDays(-daysAgo);
            const QStringList schedule = scheduleOf(shift, day);
            const QTime entry = QTime::fromString(schedule[0], QStringLiteral("HH:mm"));
            QList<QVariant> moments;
            for (const QString &time : schedule) {
                const QTime planned = QTime::fromString(time, QStringLiteral("HH:mm"));
                const QDateTime punch = moment(planned < entry ? day.addDays(1) : day, planned).addSecs(random.between(-360, 480));
                moments << (punch <= context.now ? QVariant(isoMoment(punch)) : QVariant());
            }
            if (!shift.punchesBreak)
                moments[1] = moments[2] = QVariant();
            if (!e.active || (day.dayOfWeek() == Qt::Sunday && !nightShift) || moments[0].isNull())
                continue;
            const QString status = !moments[3].isNull() ? QStringLiteral("S")
                                   : !moments[2].isNull() ? QStringLiteral("2")
                                   : !moments[1].isNull() ? QStringLiteral("1")
                                                          : QStringLiteral("E");
            if (!punches.insert({code, isoDay(day), isoDay(day), moments[0], moments[1], moments[2], moments[3], status, 1}))
                return context.failed(punches);
        }
    }

    TableWriter fingerprints = context.writer(QStringLiteral("Enroll"), {"TEMPLATE", "COD_FUN", "COD_CLI"});
    for (const auto &[employee, customer] : {std::pair{1, 0}, {2, 0}, {5, 0}, {0, 1}})
        if (!fingerprints.insert({fingerprintTemplate(random), employee ? QVariant(employee) : QVariant(),
                                  customer ? QVariant(customer) : QVariant()}))
            return context.failed(fingerprints);
    return true;
}

} // namespace demo
