#include "core/FingerprintTemplates.h"
#include "core/FunctionKeys.h"
#include "core/TerminalSettings.h"
#include "core/TfmConsProd.h"
#include "core/TfmSenhaFun.h"
#include "platform/FingerprintKit.h"
#include "platform/ScreenNavigator.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

using platform::DialogAnswer;

namespace {

// Stands in for the fingerprint kit: lists the calls and plays one scripted finger per
// capture; once the script has run out a capture is cancelled.
class RecordingFingerprintKit final : public platform::FingerprintKit {
public:
    RecordingFingerprintKit() { platform::setFingerprintKit(this); }
    ~RecordingFingerprintKit() override { platform::setFingerprintKit(nullptr); }

    bool starts = true;
    bool readerOpens = true;
    QList<int> fingers;       // the user number each capture identifies (0: no match)
    QString rejectedTemplate; // BioAdiciona fails on this template
    QStringList calls;

    bool BioInicia(int slot) override
    {
        calls << QStringLiteral("BioInicia(%1)").arg(slot);
        return starts;
    }
    bool BioAbreLeitor(int slot) override
    {
        calls << QStringLiteral("BioAbreLeitor(%1)").arg(slot);
        return readerOpens;
    }
    bool BioCaptura(int slot) override
    {
        calls << QStringLiteral("BioCaptura(%1)").arg(slot);
        return !fingers.isEmpty();
    }
    Identification BioIdentifica(int slot) override
    {
        calls << QStringLiteral("BioIdentifica(%1)").arg(slot);
        const int user = fingers.takeFirst();
        return {user, user > 0 ? 0 : 1};
    }
    void BioAdiciona(int slot, const QString &templateText, int user) override
    {
        calls << QStringLiteral("BioAdiciona(%1,%2,%3)").arg(slot).arg(templateText).arg(user);
        if (templateText == rejectedTemplate)
            throw platform::FingerprintKitError("template rejected");
    }
};

// Answers for the employee without a form, and lists the permissions asked for.
class ScriptedAuthorization final : public EmployeeAuthorization {
public:
    DialogAnswer answer = DialogAnswer::Yes;
    int employee = 0;
    QStringList asked;

    DialogAnswer authorize(const QString &requiredPermission) override
    {
        asked << requiredPermission;
        return answer;
    }
    int authorizedEmployee() const override { return employee; }
};

QStringList repeated(const QStringList &list, int times)
{
    QStringList result;
    for (int i = 0; i < times; ++i)
        result << list;
    return result;
}

const QStringList kOneReading{QStringLiteral("BioAbreLeitor(1)"), QStringLiteral("BioCaptura(1)"),
                              QStringLiteral("BioIdentifica(1)")};

} // namespace

class TestAuthorization : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureStore> m_store;
    std::unique_ptr<TerminalSettings> m_settings;
    std::unique_ptr<TfmSenhaFun> m_form;
    std::unique_ptr<RecordingMessages> m_messages;

    struct Showing {
        bool leftOpen = false;
        QString focus; // the field that had the focus when the steps left the form open
    };

    // Runs `show`, which shows the form, and `steps` while the form is up; the form is
    // closed with Cancel when the steps leave it open.
    Showing whileShown(const std::function<void()> &steps, const std::function<void()> &show)
    {
        Showing showing;
        QTimer::singleShot(0, m_form.get(), [&] {
            steps();
            if (m_form->isVisible()) {
                showing.leftOpen = true;
                showing.focus = m_form->focusWidget() ? m_form->focusWidget()->objectName() : QString();
                m_form->done(int(DialogAnswer::Cancel));
            }
        });
        show();
        return showing;
    }

    // Each entry typed into the field that has the focus, followed by Enter.
    std::function<void()> typing(const QStringList &entries)
    {
        return [this, entries] {
            for (const QString &entry : entries) {
                if (!m_form->isVisible())
                    return;
                QTest::keyClicks(m_form->focusWidget(), entry);
                QTest::keyClick(m_form->focusWidget(), Qt::Key_Return);
            }
        };
    }

    std::function<void()> pressing(Qt::Key key)
    {
        return [this, key] { QTest::keyClick(m_form->focusWidget(), key); };
    }

    DialogAnswer authorize(const std::function<void()> &steps, const QString &permission = {},
                           Showing *showing = nullptr)
    {
        DialogAnswer answer = DialogAnswer::Ok;
        const Showing result = whileShown(steps, [&] { answer = m_form->authorize(permission); });
        if (showing)
            *showing = result;
        return answer;
    }

    QLineEdit *field(const char *name) const { return m_form->findChild<QLineEdit *>(QLatin1String(name)); }

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        m_store->insert(QStringLiteral("loja"), {{"cod_loja", 1}, {"NOME_REDUZIDO", "LOJA UM"}});
        // Davi's badge was left empty and he comes first: a code must never find him.
        m_store->insert(QStringLiteral("Funcionario"), {{"Cod_func", 5}, {"Codigo_Barras", ""}, {"Nome", "DAVI"}});
        m_store->insert(QStringLiteral("Funcionario"), {{"Cod_func", 10}, {"Codigo_Barras", "12345678"}, {"Nome", "ANA"}});
        m_store->insert(QStringLiteral("Funcionario"), {{"Cod_func", 20}, {"Codigo_Barras", "7654321"}, {"Nome", "BRUNO"}});
        m_store->insert(QStringLiteral("Funcionario"), {{"Cod_func", 30}, {"Nome", "CARLA"}});
        m_store->insert(QStringLiteral("Funcionario"), {{"Cod_func", 40}, {"Codigo_Barras", "40404040"}, {"Nome", "EDU"}});
        const auto password = [this](int code, const char *senha, const char *sangrias, const char *excluirNota) {
            m_store->insert(QStringLiteral("Senha"), {{"flg_origem", "F"}, {"Codigo", code}, {"Senha", senha},
                                                      {"CHK_SANGRIAS", sangrias}, {"CHK_EXCLUIR_NOTA", excluirNota}});
        };
        password(5, "555", "T", "F");
        password(10, "123", "T", "T");
        password(20, "456", "F", "F");
        password(30, "789", "", "F");
        m_store->writeIni(QStringLiteral("[CONSULTA]\n"));
        m_settings = std::make_unique<TerminalSettings>(m_store->folder());
        m_settings->IniVar(QStringLiteral("GONDOLA"), m_store->dm());
        m_form = std::make_unique<TfmSenhaFun>(m_store->dm(), *m_settings);
        m_messages = std::make_unique<RecordingMessages>();
        platform::ScreenNavigator::instance().startRecording();
    }

    void cleanup()
    {
        platform::ScreenNavigator::instance().stopRecording();
        m_messages.reset();
        m_form.reset();
        m_settings.reset();
        m_store.reset();
    }

    void identification_data()
    {
        QTest::addColumn<QString>("permission");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("employee");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");

        const int yes = int(DialogAnswer::Yes);
        const int no = int(DialogAnswer::No);
        const int open = int(DialogAnswer::Cancel);
        const QString closed;
        const QString refused = QStringLiteral("Senha não Autorizada!");

        QTest::newRow("badge of 8 digits") << "" << QStringList{"12345678"} << yes << 10 << QStringList{} << closed;
        QTest::newRow("badge of 7 digits") << "" << QStringList{"7654321"} << yes << 20 << QStringList{} << closed;
        QTest::newRow("badge without password row") << "" << QStringList{"40404040"} << yes << 40 << QStringList{} << closed;
        QTest::newRow("code and right password") << "" << QStringList{"10", "123"} << yes << 10 << QStringList{} << closed;
        QTest::newRow("code of an employee without a badge") << "" << QStringList{"30", "789"} << yes << 30 << QStringList{} << closed;
        QTest::newRow("code and wrong password")
            << "" << QStringList{"10", "999"} << open << 0 << QStringList{"Senha Inválida!"} << "edSenha";
        QTest::newRow("empty password goes back to the code") << "" << QStringList{"10", ""} << open << 0 << QStringList{} << "edCodigo";
        QTest::newRow("unknown code") << "" << QStringList{"99"} << open << 0 << QStringList{"Código não Encontrado!"} << "edCodigo";
        QTest::newRow("unknown badge") << "" << QStringList{"99999999"} << open << 0 << QStringList{"Código não Encontrado!"} << "edCodigo";
        QTest::newRow("empty code stays") << "" << QStringList{""} << open << 0 << QStringList{} << "edCodigo";
        QTest::newRow("flag F refused before the password")
            << "CHK_SANGRIAS" << QStringList{"20", "456"} << no << 0 << QStringList{refused} << closed;
        QTest::newRow("flag F refuses a badge") << "CHK_SANGRIAS" << QStringList{"7654321"} << no << 0 << QStringList{refused} << closed;
        QTest::newRow("empty flag grants") << "CHK_SANGRIAS" << QStringList{"30", "789"} << yes << 30 << QStringList{} << closed;
        QTest::newRow("flag T grants") << "CHK_SANGRIAS" << QStringList{"10", "123"} << yes << 10 << QStringList{} << closed;
        QTest::newRow("no password row") << "CHK_SANGRIAS" << QStringList{"40"} << no << 0 << QStringList{"Senha não Cadastrada!"} << closed;
        QTest::newRow("flag the password row does not hold")
            << "CHK_EXCLUIR_REGISTROS" << QStringList{"10"} << no << 0 << QStringList{refused} << closed;
    }

    void identification()
    {
        QFETCH(QString, permission);
        QFETCH(QStringList, entries);
        QFETCH(int, answer);
        QFETCH(int, employee);
        QFETCH(QStringList, messages);
        QFETCH(QString, focus);

        Showing showing;
        QCOMPARE(int(authorize(typing(entries), permission, &showing)), answer);
        QCOMPARE(m_messages->texts(), messages);
        QCOMPARE(showing.focus, focus);
        QCOMPARE(showing.leftOpen, !focus.isEmpty());
        if (answer == int(DialogAnswer::Yes))
            QCOMPARE(m_form->authorizedEmployee(), employee);
    }

    void employeeRowsStayOpenAfterYes()
    {
        QCOMPARE(authorize(typing({"10", "123"})), DialogAnswer::Yes);
        const TDMSqls::EmployeeRows &rows = m_store->dm().employeeRows();
        QVERIFY(rows.adFun && rows.adSenha);
        QCOMPARE(rows.adFun->value("Nome").toString(), QStringLiteral("ANA"));
        QCOMPARE(rows.adSenha->value("Codigo").toInt(), 10);
        QCOMPARE(rows.adSenha->value("CHK_EXCLUIR_NOTA").toString(), QStringLiteral("T"));
        QCOMPARE(m_form->findChild<QLabel *>("dbNome")->text(), QStringLiteral("ANA"));
    }

    void fieldsHideWhatIsTyped()
    {
        QLineEdit *codigo = field("edCodigo");
        QLineEdit *senha = field("edSenha");
        Showing showing;
        authorize(
            [&] {
                QTest::keyClicks(codigo, "123456");
                QVERIFY(codigo->palette().color(QPalette::Text) != codigo->palette().color(QPalette::Base));
                QTest::keyClicks(codigo, "7");
                QCOMPARE(codigo->palette().color(QPalette::Text), codigo->palette().color(QPalette::Base));
                QTest::keyClicks(codigo, "a-");
                QCOMPARE(codigo->text(), QStringLiteral("1234567"));

                codigo->clear();
                QTest::keyClicks(codigo, "10");
                QTest::keyClick(codigo, Qt::Key_Return);
                QTest::keyClicks(senha, "abcdefgh");
                QCOMPARE(senha->text(), QStringLiteral("abcdef"));
                QCOMPARE(senha->displayText(), QStringLiteral("xxxxxx"));
            },
            {}, &showing);
        QVERIFY(showing.leftOpen);

        // The next showing starts empty.
        authorize([&] {
            QVERIFY(codigo->text().isEmpty());
            QVERIFY(senha->text().isEmpty());
            QCOMPARE(m_form->focusWidget(), codigo);
        });
    }

    void requiredPermissionBelongsToItsAuthorization()
    {
        FunctionKeys keys(platform::ScreenNavigator::instance(), *m_form, m_store->dm());
        QCOMPARE(authorize(typing({"20", "456"}), QStringLiteral("CHK_SANGRIAS")), DialogAnswer::No);

        whileShown(typing({"20", "456"}), [&] { QVERIFY(keys.keyPressed(Qt::Key_F7, nullptr)); });
        const auto &requests = platform::ScreenNavigator::instance().requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].screen, QStringLiteral("TfrmRetiradaProduto"));
        QCOMPARE(requests[0].args.value("CodFunc").toInt(), 20);

        QCOMPARE(authorize(typing({"20", "456"}), QStringLiteral("CHK_SANGRIAS")), DialogAnswer::No);
        QCOMPARE(m_messages->texts(), QStringList(2, QStringLiteral("Senha não Autorizada!")));
    }

    void escapeRefusesAndF7ThenOpensNothing()
    {
        QCOMPARE(authorize(typing({"10", "123"})), DialogAnswer::Yes);
        QCOMPARE(authorize(pressing(Qt::Key_Escape)), DialogAnswer::No);
        QCOMPARE(authorize(typing({"10"}) /* now in Senha */, {}, nullptr), DialogAnswer::Cancel);

        FunctionKeys keys(platform::ScreenNavigator::instance(), *m_form, m_store->dm());
        whileShown(pressing(Qt::Key_Escape), [&] { QVERIFY(keys.keyPressed(Qt::Key_F7, nullptr)); });
        QVERIFY(platform::ScreenNavigator::instance().requests().isEmpty());
        QVERIFY(!m_store->dm().employeeRows().adFun);
        QVERIFY(!m_store->dm().employeeRows().adSenha);
    }

    void keyTable()
    {
        ScriptedAuthorization authorization;
        authorization.employee = 42;
        FunctionKeys keys(platform::ScreenNavigator::instance(), authorization, m_store->dm());
        const QList<Qt::Key> fKeys{Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9};
        for (Qt::Key key : fKeys)
            QVERIFY(keys.keyPressed(key, nullptr));
        QVERIFY(!keys.keyPressed(Qt::Key_F2, nullptr));
        QVERIFY(!keys.keyPressed(Qt::Key_F10, nullptr));
        QVERIFY(!keys.keyPressed(Qt::Key_Return, nullptr));

        QCOMPARE(authorization.asked, QStringList(3, QString()));
        const QList<QPair<QString, QVariantMap>> expected{
            {"TfmRelog", {}},
            {"TfmMenuEtq", {{"Caption", "LOJA UM"}}},
            {"TfmEmRelPromo", {}},
            {"TFrmConsComanda", {}},
            {"TfrmRetiradaProduto", {{"CodFunc", 42}}},
            {"TfrmEstTrocaForn", {{"CodFunc", 42}}},
            {"TFrmInventario", {{"CodFunc", 42}}},
        };
        const auto &requests = platform::ScreenNavigator::instance().requests();
        QCOMPARE(requests.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(requests[i].screen, expected[i].first);
            QCOMPARE(requests[i].args, expected[i].second);
        }

        // Without a Yes nothing opens, and the last employee's rows are closed all the same.
        platform::ScreenNavigator::instance().startRecording();
        authorization.answer = DialogAnswer::No;
        m_store->dm().employeeRows().adFun = QSqlRecord();
        for (Qt::Key key : {Qt::Key_F7, Qt::Key_F8, Qt::Key_F9})
            QVERIFY(keys.keyPressed(key, nullptr));
        QVERIFY(platform::ScreenNavigator::instance().requests().isEmpty());
        QVERIFY(!m_store->dm().employeeRows().adFun);
    }

    void lookupScreenWiring()
    {
        RecordingFingerprintKit kit;
        kit.starts = false;
        TfmConsProd screen(m_store->dm(), m_store->folder());
        ScriptedAuthorization authorization;
        authorization.employee = 10;
        screen.setAuthorization(authorization);
        screen.show();
        screen.hide();
        screen.show();
        // The templates are loaded at the first showing only.
        QCOMPARE(kit.calls, QStringList{"BioInicia(1)"});

        QTest::keyClick(screen.codeField(), Qt::Key_F9);
        const auto &requests = platform::ScreenNavigator::instance().requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].screen, QStringLiteral("TFrmInventario"));
        QCOMPARE(requests[0].args.value("CodFunc").toInt(), 10);
    }

    void fingerprintWithoutKitLeavesTheFormForTyping()
    {
        QCOMPARE(authorize([&] {
                     pressing(Qt::Key_F8)();
                     QVERIFY(m_form->isVisible());
                     typing({"10", "123"})();
                 }),
                 DialogAnswer::Yes);
        QCOMPARE(m_messages->texts(),
                 QStringList{"Erro ao identificar funcionário por biometria! O kit de biometria não está instalado."});
        QCOMPARE(m_messages->shown().constFirst().icon, platform::MessageIcon::Error);
    }

    void fingerprint_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("readerOpens");
        QTest::addColumn<QList<int>>("fingers");
        QTest::addColumn<QString>("permission");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("calls");

        const int yes = int(DialogAnswer::Yes);
        const int no = int(DialogAnswer::No);
        const int cancel = int(DialogAnswer::Cancel); // closed by the form, or left open
        const QString invalid = QStringLiteral("Biometria inválida!");
        const QStringList captureOnly{"BioAbreLeitor(1)", "BioCaptura(1)"};

        QTest::newRow("auto: asks until a finger matches")
            << true << true << QList<int>{0, 0, 10} << "" << yes << QStringList{invalid, invalid} << repeated(kOneReading, 3);
        QTest::newRow("auto: a cancelled capture closes") << true << true << QList<int>{} << "" << cancel << QStringList{} << captureOnly;
        QTest::newRow("auto: reader that does not open")
            << true << false << QList<int>{10} << "" << cancel << QStringList{} << QStringList{"BioAbreLeitor(1)"};
        QTest::newRow("F8: one miss") << false << true << QList<int>{0, 10} << "" << cancel << QStringList{invalid} << kOneReading;
        QTest::newRow("F8: match") << false << true << QList<int>{10} << "" << yes << QStringList{} << kOneReading;
        QTest::newRow("F8: match refused by the permission")
            << false << true << QList<int>{20} << "CHK_SANGRIAS" << no << QStringList{"Senha não Autorizada!"} << kOneReading;
        QTest::newRow("F8: match of an unknown employee")
            << false << true << QList<int>{99} << "" << no << QStringList{"Código não Encontrado!"} << kOneReading;
    }

    void fingerprint()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, readerOpens);
        QFETCH(QList<int>, fingers);
        QFETCH(QString, permission);
        QFETCH(int, answer);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, calls);

        RecordingFingerprintKit kit;
        kit.readerOpens = readerOpens;
        kit.fingers = fingers;
        m_settings->Biometria = automatic;
        // The automatic reading runs at once, in one go, shortly after the form shows.
        const auto steps = automatic ? std::function<void()>([&] { QVERIFY(QTest::qWaitFor([&] { return !kit.calls.isEmpty(); })); })
                                     : pressing(Qt::Key_F8);
        QCOMPARE(int(authorize(steps, permission)), answer);
        QCOMPARE(m_messages->texts(), messages);
        QCOMPARE(kit.calls, calls);
        if (answer == int(DialogAnswer::Yes)) {
            QCOMPARE(m_form->authorizedEmployee(), 10);
            QCOMPARE(field("edCodigo")->text(), QStringLiteral("10"));
        }
    }

    void templateLoading_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("rejected");
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("employees only")
            << true << "" << QStringList{"BioInicia(1)", "BioAdiciona(1,A,10)", "BioAdiciona(1,R,20)", "BioAdiciona(1,D,30)"};
        QTest::newRow("a rejected template stops the loading")
            << true << "R" << QStringList{"BioInicia(1)", "BioAdiciona(1,A,10)", "BioAdiciona(1,R,20)"};
        QTest::newRow("kit that does not start") << false << "" << QStringList{"BioInicia(1)"};
    }

    void templateLoading()
    {
        QFETCH(bool, starts);
        QFETCH(QString, rejected);
        QFETCH(QStringList, calls);

        m_store->insert("Enroll", {{"ID", 1}, {"TEMPLATE", "A"}, {"COD_FUN", 10}});
        m_store->insert("Enroll", {{"ID", 2}, {"TEMPLATE", "B"}, {"COD_CLI", 7}});
        m_store->insert("Enroll", {{"ID", 3}, {"TEMPLATE", "C"}, {"COD_FUN", 0}, {"COD_CLI", 8}});
        m_store->insert("Enroll", {{"ID", 4}, {"TEMPLATE", "R"}, {"COD_FUN", 20}});
        m_store->insert("Enroll", {{"ID", 5}, {"TEMPLATE", "D"}, {"COD_FUN", 30}});
        RecordingFingerprintKit kit;
        kit.starts = starts;
        kit.rejectedTemplate = rejected;
        loadFingerprintTemplates(m_store->dm());
        QCOMPARE(kit.calls, calls);
    }
};

QTEST_MAIN(TestAuthorization)
#include "tst_authorization.moc"
