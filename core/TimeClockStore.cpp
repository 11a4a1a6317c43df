#include "TimeClockStore.h"

#include "SqlValues.h"
#include "TDMSqls.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <array>

namespace {

// The employee with the work schedule; the same text on both backends.
const QString kAdFuncText = QStringLiteral(
    "SELECT cod_func as Codigo, Codigo_Barras as [Codigo Barras], Nome, chk_ativo as Ativo, "
    "HORA_ENTRADA as Entrada, HORA_INTERVALO1 as Intervalo1, HORA_INTERVALO2 as Intervalo2, "
    "HORA_SAIDA as Saida, HORA_ENTRADA_SAB as EntraSab, HORA_INTER_SAB1 as InterSab1, "
    "HORA_INTER_SAB2 as InterSab2, HORA_SAIDA_SAB as SaiSab, HORA_ENTRADA_DOM as EntraDom, "
    "HORA_INTER_DOM1 as InterDom1, HORA_INTER_DOM2 as InterDom2, HORA_SAIDA_DOM as SaiDom, "
    "TOLERANCIA_MINUTOS as Tolerancia, CHK_REGISTRA_INTERVALO as RegInter "
    "FROM Funcionario WHERE Cod_func= :piCod OR Codigo_Barras= :psBar");
const SqlStatement adFunc{QStringLiteral("adFunc"), DbConnection::Server, kAdFuncText, kAdFuncText};

const QString kAdPontoText = QStringLiteral(
    "SELECT cod_func as Codigo, Movimento, Data, Hora_Entrada as HoraEntrada, Ent_Inter as EntInter, "
    "Sai_Inter as SaiInter, Hora_Saida as HoraSaida, Status, cod_loja FROM Ponto "
    "WHERE Cod_func= :piCod AND Movimento= :pdMov");
const SqlStatement adPonto{QStringLiteral("adPonto"), DbConnection::Server, kAdPontoText, kAdPontoText};

// The write of one punch, one statement per punch column. On SQL Server the update takes
// a key-range lock on the employee's day that lasts until the commit, so a punch of the
// same employee and day from another terminal waits, then finds the row and updates it.
// Without row counts the batch sends back no result before an error, so the error reaches
// the terminal; XACT_ABORT rolls the whole punch back on any error.
QString punchSqlServer(const QString &column)
{
    return QStringLiteral("SET NOCOUNT ON;\n"
                          "SET XACT_ABORT ON;\n"
                          "BEGIN TRANSACTION;\n"
                          "UPDATE Ponto WITH (UPDLOCK, HOLDLOCK) SET %1 = :pdHora, Status = :psStatus\n"
                          " WHERE cod_func = :piCod AND Movimento = :pdMov;\n"
                          "INSERT INTO Ponto (cod_func, Movimento, Data, %1, Status, cod_loja)\n"
                          " SELECT :piCod, :pdMov, :pdData, :pdHora, :psStatus, 1\n"
                          " WHERE NOT EXISTS (SELECT 1 FROM Ponto WITH (UPDLOCK, HOLDLOCK)\n"
                          "                   WHERE cod_func = :piCod AND Movimento = :pdMov);\n"
                          "COMMIT TRANSACTION;")
        .arg(column);
}

QString punchSqlite(const QString &column)
{
    return QStringLiteral("INSERT INTO Ponto (cod_func, Movimento, Data, %1, Status, cod_loja) "
                          "VALUES (:piCod, :pdMov, :pdData, :pdHora, :psStatus, 1) "
                          "ON CONFLICT (cod_func, Movimento) DO UPDATE SET %1 = excluded.%1, Status = excluded.Status")
        .arg(column);
}

const SqlStatement adPontoEntrada{QStringLiteral("adPonto Hora_Entrada"), DbConnection::Server,
                                  punchSqlServer(QStringLiteral("Hora_Entrada")), punchSqlite(QStringLiteral("Hora_Entrada"))};
const SqlStatement adPontoEntInter{QStringLiteral("adPonto Ent_Inter"), DbConnection::Server,
                                   punchSqlServer(QStringLiteral("Ent_Inter")), punchSqlite(QStringLiteral("Ent_Inter"))};
const SqlStatement adPontoSaiInter{QStringLiteral("adPonto Sai_Inter"), DbConnection::Server,
                                   punchSqlServer(QStringLiteral("Sai_Inter")), punchSqlite(QStringLiteral("Sai_Inter"))};
const SqlStatement adPontoSaida{QStringLiteral("adPonto Hora_Saida"), DbConnection::Server,
                                punchSqlServer(QStringLiteral("Hora_Saida")), punchSqlite(QStringLiteral("Hora_Saida"))};

// In selector order.
const std::array<const SqlStatement *, 4> kPunchStatements{&adPontoEntrada, &adPontoEntInter, &adPontoSaiInter,
                                                           &adPontoSaida};

std::optional<WorkSchedule> readSchedule(const QSqlRecord &row)
{
    std::array<QTime, 12> times;
    static const std::array<QString, 12> columns{
        QStringLiteral("Entrada"),  QStringLiteral("Intervalo1"), QStringLiteral("Intervalo2"), QStringLiteral("Saida"),
        QStringLiteral("EntraSab"), QStringLiteral("InterSab1"),  QStringLiteral("InterSab2"),  QStringLiteral("SaiSab"),
        QStringLiteral("EntraDom"), QStringLiteral("InterDom1"),  QStringLiteral("InterDom2"),  QStringLiteral("SaiDom")};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto time = sqlTimeOfDay(row.value(columns.at(i)));
        if (!time)
            return std::nullopt;
        times.at(i) = *time;
    }
    WorkSchedule schedule;
    schedule.weekday = {times[0], times[1], times[2], times[3]};
    schedule.saturday = {times[4], times[5], times[6], times[7]};
    schedule.sunday = {times[8], times[9], times[10], times[11]};
    schedule.toleranceMinutes = row.value(QStringLiteral("Tolerancia")).toInt();
    schedule.punchesBreak = row.value(QStringLiteral("RegInter")).toString().trimmed() == QLatin1String("T");
    return schedule;
}

} // namespace

bool TimeClockStore::findEmployee(const QString &typed, std::optional<Employee> &employee)
{
    employee.reset();
    const QString text = typed.trimmed();
    const bool badge = text.size() > 6;
    QSqlQuery query = m_dm.prepare(adFunc);
    query.bindValue(QStringLiteral(":piCod"), badge ? 0 : text.toInt());
    // No badge typed: a NULL badge matches no row, while an empty text would match every
    // employee whose badge is blank.
    query.bindValue(QStringLiteral(":psBar"), badge ? QVariant(text) : QVariant(QMetaType(QMetaType::QString)));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    if (!query.next())
        return true;
    const QSqlRecord row = query.record();
    employee = Employee{row.value(QStringLiteral("Codigo")).toInt(),
                        row.value(QStringLiteral("Codigo Barras")).toString().trimmed(),
                        row.value(QStringLiteral("Nome")).toString().trimmed(), readSchedule(row)};
    return true;
}

bool TimeClockStore::readPunchDay(int employee, const QDate &workDay, PunchDay &day)
{
    day = PunchDay{};
    QSqlQuery query = m_dm.prepare(adPonto);
    query.bindValue(QStringLiteral(":piCod"), employee);
    query.bindValue(QStringLiteral(":pdMov"), m_dm.dateValue(DbConnection::Server, workDay.startOfDay()));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    if (!query.next())
        return true;
    day.exists = true;
    day.at(Punch::Entry) = sqlDateTime(query.value(QStringLiteral("HoraEntrada")));
    day.at(Punch::BreakStart) = sqlDateTime(query.value(QStringLiteral("EntInter")));
    day.at(Punch::BreakEnd) = sqlDateTime(query.value(QStringLiteral("SaiInter")));
    day.at(Punch::Exit) = sqlDateTime(query.value(QStringLiteral("HoraSaida")));
    return true;
}

bool TimeClockStore::savePunch(int employee, const QDate &workDay, const QDateTime &moment, Punch punch)
{
    QSqlQuery query = m_dm.prepare(*kPunchStatements.at(static_cast<int>(punch) - 1));
    query.bindValue(QStringLiteral(":piCod"), employee);
    query.bindValue(QStringLiteral(":pdMov"), m_dm.dateValue(DbConnection::Server, workDay.startOfDay()));
    query.bindValue(QStringLiteral(":pdData"), m_dm.dateValue(DbConnection::Server, moment.date().startOfDay()));
    query.bindValue(QStringLiteral(":pdHora"), m_dm.dateValue(DbConnection::Server, moment));
    query.bindValue(QStringLiteral(":psStatus"), punchStatus(punch));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    return true;
}
