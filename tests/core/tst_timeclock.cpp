#include "core/EmployeeAuthorization.h"
#include "core/PunchTrack.h"
#include "core/TfmRelog.h"
#include "core/TimeClockStore.h"
#include "platform/Clock.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// Answers for the employee on the password form and lists what was asked.
class ScriptedAuthorization final : public EmployeeAuthorization {
public:
    platform::DialogAnswer answer = platform::DialogAnswer::Yes;
    QStringList asked;

    platform::DialogAnswer authorize(const QString &requiredPermission) override
    {
        asked.append(requiredPermission);
        return answer;
    }
    int authorizedEmployee() const override { return 0; }
};

const QString kTuesday = QStringLiteral("2024-03-05");

// A Ponto row as pontoRows() lists it.
QString rowOf(const QStringList &values) { return values.join(QLatin1Char('|')); }

QDateTime at(const QString &text) { return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

} // namespace

class TestTimeClock : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        m_messages = std::make_unique<RecordingMessages>();
        m_authorization = ScriptedAuthorization{};
        setNow(kTuesday + QStringLiteral(" 08:00:00"));
    }
    void cleanup()
    {
        m_screen.reset();
        m_messages.reset();
        m_store.reset();
        platform::setTerminalClock({});
    }

    void firstPunchOfTheDayIsTheEntry()
    {
        addEmployee(1, {{QStringLiteral("CHK_REGISTRA_INTERVALO"), QStringLiteral("T")}});
        openScreen();
        QCOMPARE(field("lbStatus")->property("text").toString(), QStringLiteral("Digite seu código ou passe o cartão!"));
        typeCode(QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), field("edSen"));
        QCOMPARE(label("lbStatus"), QStringLiteral("Digite sua senha!"));
        QCOMPARE(label("dbNome"), QStringLiteral("MARIA"));
        QCOMPARE(lineEdit("dbMovimento")->text(), QStringLiteral("05/03/2024"));
        QCOMPARE(selector(), 1);
        arrow(Qt::Key_Right);
        QCOMPARE(selector(), 1);
        arrow(Qt::Key_Left);
        QCOMPARE(selector(), 1);

        typePassword(QStringLiteral("4321"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Ponto Registrado !")});
        QCOMPARE(pontoRows(), QStringList{rowOf({"1", "2024-03-05 00:00:00", "2024-03-05 00:00:00", "2024-03-05 08:00:00", "", "", "", "E", "1"})});
        QCOMPARE(label("dbHoraEntrada"), QStringLiteral("08:00"));
        QCOMPARE(lineEdit("edCod")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), field("edCod"));
        QCOMPARE(m_authorization.asked, QStringList{});
    }

    void breakPunchesMoveWithinTheOpenSteps()
    {
        addEmployee(1, {{QStringLiteral("CHK_REGISTRA_INTERVALO"), QStringLiteral("T")}});
        addPunchDay(1, kTuesday, {{QStringLiteral("Hora_Entrada"), kTuesday + QStringLiteral(" 08:00:00")}});
        setNow(kTuesday + QStringLiteral(" 12:00:00"));
        openScreen();
        typeCode(QStringLiteral("1"));
        QCOMPARE(selector(), 2);
        QCOMPARE(label("dbHoraEntrada"), QStringLiteral("08:00"));
        QCOMPARE(captionColor("lbIntervaloSaida"), QColor(Qt::red));
        QCOMPARE(captionColor("lbEntrada"), QColor(Qt::black));
        arrow(Qt::Key_Left);
        QCOMPARE(selector(), 2);
        const QList<int> expected{3, 4, 4, 3};
        const QList<Qt::Key> keys{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left};
        for (int i = 0; i < keys.size(); ++i) {
            arrow(keys.at(i));
            QCOMPARE(selector(), expected.at(i));
        }
        QCOMPARE(captionColor("lbIntervaloVolta"), QColor(Qt::red));
        QCOMPARE(captionColor("lbIntervaloSaida"), QColor(Qt::black));

        // Selector 3: back from the break; the entry stays as it was.
        typePassword(QStringLiteral("4321"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Ponto Registrado !")});
        QCOMPARE(pontoRows(),
                 QStringList{rowOf({"1", "2024-03-05 00:00:00", "2024-03-05 00:00:00", "2024-03-05 08:00:00", "", "2024-03-05 12:00:00", "", "2", "1"})});
    }

    void withoutBreakPunchingTheNextIsTheExit()
    {
        addEmployee(1);
        addPunchDay(1, kTuesday, {{QStringLiteral("Hora_Entrada"), kTuesday + QStringLiteral(" 08:00:00")}});
        setNow(kTuesday + QStringLiteral(" 17:00:00"));
        openScreen();
        typeCode(QStringLiteral("1"));
        QCOMPARE(selector(), 4);
        arrow(Qt::Key_Left);
        QCOMPARE(selector(), 4);
        typePassword(QStringLiteral("4321"));
        QCOMPARE(pontoRows(),
                 QStringList{rowOf({"1", "2024-03-05 00:00:00", "2024-03-05 00:00:00", "2024-03-05 08:00:00", "", "", "2024-03-05 17:00:00", "S", "1"})});
    }

    void aClosedDayCannotBePunched()
    {
        addEmployee(1);
        addPunchDay(1, kTuesday, {{QStringLiteral("Hora_Entrada"), kTuesday + QStringLiteral(" 08:00:00")},
                                  {QStringLiteral("Hora_Saida"), kTuesday + QStringLiteral(" 17:00:00")}});
        setNow(kTuesday + QStringLiteral(" 17:30:00"));
        openScreen();
        typeCode(QStringLiteral("1"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Já foi Registrado Entrada e Saida !")});
        QCOMPARE(QApplication::focusWidget(), field("edCod"));
        QCOMPARE(label("dbHoraSaida"), QStringLiteral("17:00"));
    }

    void identificationRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown code") << "77" << "Código não encontrado!";
        QTest::newRow("unknown badge") << "99999999" << "Código não encontrado!";
        QTest::newRow("not a number") << "abc" << "Código não encontrado!";
        QTest::newRow("schedule not filled in") << "2" << "O horário de trabalho não esta preenchido corretamente!";
        QTest::newRow("schedule not a time") << "3" << "O horário de trabalho não esta preenchido corretamente!";
    }
    void identificationRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        // Employees with a blank badge must not answer for a typed code.
        addEmployee(1, {{QStringLiteral("Codigo_Barras"), QStringLiteral("")}});
        addEmployee(2, {{QStringLiteral("HORA_INTER_DOM2"), QVariant(QMetaType(QMetaType::QString))},
                        {QStringLiteral("Codigo_Barras"), QStringLiteral("")}});
        addEmployee(3, {{QStringLiteral("HORA_SAIDA_SAB"), QStringLiteral("meio-dia")},
                        {QStringLiteral("Codigo_Barras"), QStringLiteral("00000003")}});
        openScreen();
        typeCode(typed);
        QCOMPARE(m_messages->texts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget(), field("edCod"));
        QCOMPARE(label("dbNome"), QString());
    }

    void password_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("code and password") << "1" << "4321" << "Digite sua senha!" << true;
        QTest::newRow("wrong password") << "1" << "1234" << "Digite sua senha!" << false;
        QTest::newRow("badge twice") << "00000001" << "00000001" << "Passe o cartão novamente!" << true;
        QTest::newRow("code then badge") << "1" << "00000001" << "Digite sua senha!" << true;
        QTest::newRow("badge then password") << "00000001" << "4321" << "Passe o cartão novamente!" << true;
        QTest::newRow("no password row") << "2" << "4321" << "Digite sua senha!" << false;
    }
    void password()
    {
        QFETCH(QString, code);
        QFETCH(QString, password);
        QFETCH(QString, status);
        QFETCH(bool, accepted);
        addEmployee(1);
        addEmployee(2, {{QStringLiteral("Codigo_Barras"), QStringLiteral("00000002")}}, false);
        openScreen();
        typeCode(code);
        QCOMPARE(label("lbStatus"), status);
        typePassword(password);
        if (accepted) {
            QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Ponto Registrado !")});
            QCOMPARE(pontoRows().size(), 1);
        } else {
            QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Senha Inválida!!")});
            QCOMPARE(m_messages->shown().constFirst().caption, QStringLiteral("Senha"));
            QCOMPARE(QApplication::focusWidget(), field("edSen"));
            QCOMPARE(lineEdit("edSen")->text(), QString());
            QCOMPARE(pontoRows(), QStringList{});
        }
    }

    void toleranceAsksForAuthorization_data()
    {
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<bool>("authorized");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saved");
        QTest::newRow("tolerance 15, authorized") << 15 << true << true << true;
        QTest::newRow("tolerance 15, refused") << 15 << false << true << false;
        QTest::newRow("tolerance 20") << 20 << false << false << true;
    }
    void toleranceAsksForAuthorization()
    {
        QFETCH(int, tolerance);
        QFETCH(bool, authorized);
        QFETCH(bool, asked);
        QFETCH(bool, saved);
        addEmployee(1, {{QStringLiteral("TOLERANCIA_MINUTOS"), tolerance}});
        setNow(kTuesday + QStringLiteral(" 08:20:00"));
        m_authorization.answer = authorized ? platform::DialogAnswer::Yes : platform::DialogAnswer::No;
        openScreen();
        typeCode(QStringLiteral("1"));
        typePassword(QStringLiteral("4321"));
        QCOMPARE(m_authorization.asked, asked ? QStringList{QStringLiteral("CHK_SANGRIAS")} : QStringList{});
        QStringList expected;
        if (asked)
            expected.append(QStringLiteral("Ponto fora do limite de tolerância !"));
        if (saved)
            expected.append(QStringLiteral("Ponto Registrado !"));
        QCOMPARE(m_messages->texts(), expected);
        QCOMPARE(pontoRows().size(), saved ? 1 : 0);
        QCOMPARE(QApplication::focusWidget(), field(saved ? "edCod" : "edSen"));
    }

    void nightShiftPunchesForYesterday()
    {
        addEmployee(1, {{QStringLiteral("HORA_ENTRADA"), QStringLiteral("22:00")},
                        {QStringLiteral("HORA_SAIDA"), QStringLiteral("06:00")}});
        addPunchDay(1, QStringLiteral("2024-03-04"), {{QStringLiteral("Hora_Entrada"), QStringLiteral("2024-03-04 22:00:00")}});
        setNow(kTuesday + QStringLiteral(" 06:00:00"));
        openScreen();
        typeCode(QStringLiteral("1"));
        QCOMPARE(lineEdit("dbMovimento")->text(), QStringLiteral("04/03/2024"));
        QCOMPARE(selector(), 4);
        typePassword(QStringLiteral("4321"));
        QCOMPARE(pontoRows(),
                 QStringList{rowOf({"1", "2024-03-04 00:00:00", "2024-03-04 00:00:00", "2024-03-04 22:00:00", "", "", "2024-03-05 06:00:00", "S", "1"})});
    }

    void aFailedSaveIsRetriedOnce()
    {
        addEmployee(1);
        // Another writer's trigger refuses the first insert only.
        m_store->exec(QStringLiteral("CREATE TABLE ocupado (n INTEGER)"));
        m_store->exec(QStringLiteral("INSERT INTO ocupado VALUES (1)"));
        m_store->exec(QStringLiteral("CREATE TRIGGER ponto_ocupado BEFORE INSERT ON Ponto WHEN EXISTS (SELECT 1 FROM ocupado) "
                                     "BEGIN DELETE FROM ocupado; SELECT RAISE(FAIL, 'database is locked'); END"));
        openScreen();
        typeCode(QStringLiteral("1"));
        QElapsedTimer elapsed;
        elapsed.start();
        typePassword(QStringLiteral("4321"));
        QVERIFY(elapsed.elapsed() >= 1333);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Ponto Registrado !")});
        QCOMPARE(pontoRows(), QStringList{rowOf({"1", "2024-03-05 00:00:00", "2024-03-05 00:00:00", "2024-03-05 08:00:00", "", "", "", "E", "1"})});
    }

    void aSaveThatFailsTwiceIsReported()
    {
        addEmployee(1);
        m_store->exec(QStringLiteral("CREATE TRIGGER ponto_recusado BEFORE INSERT ON Ponto "
                                     "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
        openScreen();
        typeCode(QStringLiteral("1"));
        typePassword(QStringLiteral("4321"));
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().constFirst().icon, platform::MessageIcon::Error);
        QVERIFY(m_messages->texts().constFirst().contains(QStringLiteral("disk I/O error")));
        QCOMPARE(pontoRows(), QStringList{});
        QVERIFY(QApplication::focusWidget() != field("edCod"));
    }

    void twoTerminalsPunchingTogetherLeaveOneRow()
    {
        addEmployee(1);
        const QString store = QStringLiteral("sqlite:") + m_store->databasePath();
        TDMSqls otherTerminal({store, store}, m_store->folder());
        TimeClockStore first(m_store->dm());
        TimeClockStore second(otherTerminal);
        const QDate workDay(2024, 3, 5);
        PunchDay firstDay;
        PunchDay secondDay;
        QVERIFY(first.readPunchDay(1, workDay, firstDay));
        QVERIFY(second.readPunchDay(1, workDay, secondDay));
        QVERIFY(!firstDay.exists && !secondDay.exists);
        QVERIFY2(first.savePunch(1, workDay, at(kTuesday + QStringLiteral(" 08:00:00")), Punch::Entry), qPrintable(first.lastError()));
        QVERIFY2(second.savePunch(1, workDay, at(kTuesday + QStringLiteral(" 08:00:01")), Punch::Entry), qPrintable(second.lastError()));
        QCOMPARE(pontoRows(), QStringList{rowOf({"1", "2024-03-05 00:00:00", "2024-03-05 00:00:00", "2024-03-05 08:00:01", "", "", "", "E", "1"})});
    }

private:
    void setNow(const QString &text)
    {
        const QDateTime now = at(text);
        platform::setTerminalClock([now] { return now; });
    }

    void addEmployee(int code, const QVariantMap &changes = {}, bool withPassword = true)
    {
        QVariantMap row{{QStringLiteral("Cod_func"), code},
                        {QStringLiteral("Codigo_Barras"), QStringLiteral("%1").arg(code, 8, 10, QLatin1Char('0'))},
                        {QStringLiteral("Nome"), QStringLiteral("MARIA")},
                        {QStringLiteral("HORA_ENTRADA"), QStringLiteral("08:00")},
                        {QStringLiteral("HORA_INTERVALO1"), QStringLiteral("12:00")},
                        {QStringLiteral("HORA_INTERVALO2"), QStringLiteral("13:00")},
                        {QStringLiteral("HORA_SAIDA"), QStringLiteral("17:00")},
                        {QStringLiteral("HORA_ENTRADA_SAB"), QStringLiteral("08:00")},
                        {QStringLiteral("HORA_INTER_SAB1"), QStringLiteral("10:00")},
                        {QStringLiteral("HORA_INTER_SAB2"), QStringLiteral("10:15")},
                        {QStringLiteral("HORA_SAIDA_SAB"), QStringLiteral("12:00")},
                        {QStringLiteral("HORA_ENTRADA_DOM"), QStringLiteral("08:00")},
                        {QStringLiteral("HORA_INTER_DOM1"), QStringLiteral("10:00")},
                        {QStringLiteral("HORA_INTER_DOM2"), QStringLiteral("10:15")},
                        {QStringLiteral("HORA_SAIDA_DOM"), QStringLiteral("12:00")},
                        {QStringLiteral("TOLERANCIA_MINUTOS"), 0},
                        {QStringLiteral("CHK_REGISTRA_INTERVALO"), QStringLiteral("F")}};
        row.insert(changes);
        m_store->insert(QStringLiteral("Funcionario"), row);
        if (withPassword)
            m_store->insert(QStringLiteral("Senha"), {{QStringLiteral("flg_origem"), QStringLiteral("F")},
                                                      {QStringLiteral("Codigo"), code},
                                                      {QStringLiteral("Senha"), QStringLiteral("4321")}});
    }

    void addPunchDay(int code, const QString &day, const QVariantMap &punches)
    {
        QVariantMap row{{QStringLiteral("cod_func"), code},
                        {QStringLiteral("Movimento"), day + QStringLiteral(" 00:00:00")},
                        {QStringLiteral("Data"), day + QStringLiteral(" 00:00:00")},
                        {QStringLiteral("Status"), QStringLiteral("E")}};
        row.insert(punches);
        m_store->insert(QStringLiteral("Ponto"), row);
    }

    // Every Ponto row as "cod_func|Movimento|Data|entry|break start|break end|exit|Status|cod_loja".
    QStringList pontoRows()
    {
        QSqlQuery query(m_store->dm().database(DbConnection::Server));
        if (!query.exec(QStringLiteral("SELECT cod_func, Movimento, Data, Hora_Entrada, Ent_Inter, Sai_Inter, Hora_Saida, "
                                       "Status, cod_loja FROM Ponto ORDER BY cod_func, Movimento")))
            qFatal("Ponto cannot be read");
        QStringList rows;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values.append(query.value(i).toString());
            rows.append(values.join(QLatin1Char('|')));
        }
        return rows;
    }

    void openScreen()
    {
        m_screen = std::make_unique<TfmRelog>(m_store->dm(), m_authorization);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        QCOMPARE(QApplication::focusWidget(), field("edCod"));
    }

    QWidget *field(const char *name) const
    {
        auto *widget = m_screen->findChild<QWidget *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit *lineEdit(const char *name) const { return qobject_cast<QLineEdit *>(field(name)); }
    QString label(const char *name) const { return field(name)->property("text").toString(); }
    QColor captionColor(const char *name) const { return field(name)->palette().color(QPalette::WindowText); }
    int selector() const { return qobject_cast<PunchTrack *>(field("tbPonto"))->value(); }

    void typeCode(const QString &code)
    {
        QTest::keyClicks(field("edCod"), code);
        QTest::keyClick(field("edCod"), Qt::Key_Return);
    }
    void typePassword(const QString &password)
    {
        QTest::keyClicks(field("edSen"), password);
        QTest::keyClick(field("edSen"), Qt::Key_Return);
    }
    void arrow(Qt::Key key) { QTest::keyClick(field("edSen"), key); }

    std::unique_ptr<FixtureStore> m_store;
    std::unique_ptr<RecordingMessages> m_messages;
    ScriptedAuthorization m_authorization;
    std::unique_ptr<TfmRelog> m_screen;
};

QTEST_MAIN(TestTimeClock)
#include "tst_timeclock.moc"
