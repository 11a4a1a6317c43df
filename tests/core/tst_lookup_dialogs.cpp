#include "core/TFrmPesquisa.h"
#include "core/TfmCons.h"
#include "core/TfmMessageTimer.h"
#include "support/FixtureStore.h"
#include "support/RecordingMessages.h"
#include "support/TypeText.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Runs `act` on the modal dialog that `open` shows, once it is up; a dialog that `act` left
// open (a failed check) is closed so that `open` returns.
template <typename Open>
auto whileModal(const std::function<void(QWidget *)> &act, Open open)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    return open();
}

QStringList column(const QTableView *grid, int column)
{
    QStringList values;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        values.append(grid->model()->index(row, column).data().toString());
    return values;
}

QRect screenGeometry() { return QGuiApplication::primaryScreen()->geometry(); }

} // namespace

class TestLookupDialogs : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<FixtureStore>();
        const QList<std::tuple<int, int, QString, QString>> products = {
            {13, 1, QStringLiteral("CAFE"), QStringLiteral("T")},
            {10, 1, QStringLiteral("ARROZ"), QStringLiteral("T")},
            {12, 1, QStringLiteral("BANANADA"), QStringLiteral("T")},
            {11, 1, QStringLiteral("BANANA"), QStringLiteral("T")},
            {15, 1, QStringLiteral("AAA INATIVO"), QStringLiteral("F")},
            {20, 1, QStringLiteral("COCO D'ÁGUA 1L"), QStringLiteral("T")},
            {21, 1, QStringLiteral("coco d'água 300ml"), QStringLiteral("T")},
            {30, 2, QStringLiteral("ARROZ DA OUTRA LOJA"), QStringLiteral("T")},
        };
        for (const auto &[code, store, description, active] : products)
            m_store->insert(QStringLiteral("PRODUTO"), {{QStringLiteral("COD_PROD"), code}, {QStringLiteral("COD_LOJA"), store},
                                                        {QStringLiteral("DESCRICAO"), description},
                                                        {QStringLiteral("CHK_ATIVO"), active}});
    }
    void cleanup() { m_store.reset(); }

    // Quick product popup

    void popupStartsOnTheSecondRow_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("startKey");
        QTest::newRow("several rows") << "Produto  where chk_ativo='T' " << 30;
        QTest::newRow("one row") << "Produto where cod_prod = 13" << 13;
    }
    void popupStartsOnTheSecondRow()
    {
        QFETCH(QString, source);
        QFETCH(int, startKey);
        int keyAtStart = -1;
        QPoint position;
        const int result = whileModal(
            [&](QWidget *popup) {
                auto *grid = popup->findChild<QTableView *>(QStringLiteral("grCons"));
                keyAtStart = grid->model()->index(grid->currentIndex().row(), 0).data().toInt();
                position = popup->pos();
                QCOMPARE(popup->focusWidget(), popup->findChild<QLineEdit *>(QStringLiteral("edProcura")));
                QTest::keyClick(popup->findChild<QLineEdit *>(QStringLiteral("edProcura")), Qt::Key_Escape);
            },
            [&] {
                return MostraConsulta(m_store->dm(), source, QStringLiteral("Descricao"), QStringLiteral("cod_prod"),
                                      QStringLiteral("Descricao"), 200, 150);
            });
        QCOMPARE(keyAtStart, startKey);
        QCOMPARE(result, 0);
        QCOMPARE(position, QPoint(150, 225));
    }

    void popupChoice_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("expected");
        // Ordered: ARROZ (10), ARROZ DA OUTRA LOJA (30), BANANA (11), BANANADA (12), CAFE (13), ...
        const QList<int> enter{Qt::Key_Return};
        QTest::newRow("enter at once takes the second row") << "" << enter << 30;
        QTest::newRow("beginning of a description") << "BANANAD" << enter << 12;
        QTest::newRow("case counts") << "banana" << enter << 30;
        QTest::newRow("arrow up") << "CAFE" << QList<int>{Qt::Key_Up, Qt::Key_Return} << 12;
        QTest::newRow("arrows down") << "ARROZ" << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 11;
        QTest::newRow("escape") << "CAFE" << QList<int>{Qt::Key_Escape} << 0;
    }
    void popupChoice()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(int, expected);
        const int result = whileModal(
            [&](QWidget *popup) {
                auto *entry = popup->findChild<QLineEdit *>(QStringLiteral("edProcura"));
                QTest::keyClicks(entry, typed);
                for (int key : keys)
                    QTest::keyClick(entry, Qt::Key(key));
            },
            [&] {
                return MostraConsulta(m_store->dm(), QStringLiteral("Produto  where chk_ativo='T' "), QStringLiteral("Descricao"),
                                      QStringLiteral("cod_prod"), QStringLiteral("Descricao"), 100, 100);
            });
        QCOMPARE(result, expected);
    }

    void popupDoubleClickAndKeysThatAreNotNumbers()
    {
        const auto chooseRow = [](int row) {
            return [row](QWidget *popup) {
                auto *grid = popup->findChild<QTableView *>(QStringLiteral("grCons"));
                const QRect cell = grid->visualRect(grid->model()->index(row, 1));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            };
        };
        const auto open = [this](const QString &keyField) {
            return [this, keyField] {
                return MostraConsulta(m_store->dm(), QStringLiteral("Produto"), QStringLiteral("Descricao"), keyField,
                                      QStringLiteral("Descricao"), 100, 100);
            };
        };
        // Ordered: AAA INATIVO, ARROZ, ARROZ DA OUTRA LOJA, BANANA, ...
        QCOMPARE(whileModal(chooseRow(3), open(QStringLiteral("cod_prod"))), 11);
        QCOMPARE(whileModal(chooseRow(3), open(QStringLiteral("Descricao"))), 0);
    }

    void popupWithAFailingSourceShowsTheError()
    {
        RecordingMessages messages;
        const int result = whileModal([](QWidget *popup) { QTest::keyClick(popup, Qt::Key_Escape); },
                                      [this] {
                                          return MostraConsulta(m_store->dm(), QStringLiteral("NaoExiste"),
                                                                QStringLiteral("Descricao"), QStringLiteral("cod_prod"),
                                                                QStringLiteral("Descricao"), 100, 100);
                                      });
        QCOMPARE(result, 0);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().icon, platform::MessageIcon::Error);
    }

    void popupPositionBelowTheButton_data()
    {
        const QRect screen = screenGeometry();
        QTest::addColumn<QPoint>("window");
        QTest::addColumn<QPoint>("expected");
        // Button at (10, 20), 30 high, inside a frame at (5, 5).
        QTest::newRow("middle of the screen") << QPoint(100, 100) << QPoint(100 + 5 + 10 - 22, 100 + 5 + 20 + 30);
        QTest::newRow("right edge") << QPoint(screen.width() - 200, 100) << QPoint(screen.width() - 347, 155);
        QTest::newRow("bottom edge") << QPoint(100, screen.height() - 100) << QPoint(93, screen.height() - 143);
    }
    void popupPositionBelowTheButton()
    {
        QFETCH(QPoint, window);
        QFETCH(QPoint, expected);
        QWidget form;
        form.setGeometry(QRect(window, QSize(300, 200)));
        auto *frame = new QFrame(&form);
        frame->setGeometry(5, 5, 200, 100);
        auto *button = new QPushButton(frame);
        button->setGeometry(10, 20, 40, 30);
        QCOMPARE(PosicaoPopup(button), expected);
    }

    void popupAtTheBottomEdgeStaysOnTheScreen()
    {
        const QRect screen = screenGeometry();
        QRect shown;
        whileModal([&](QWidget *popup) {
            shown = popup->frameGeometry();
            popup->close();
        },
                   [&] {
                       return MostraConsulta(m_store->dm(), QStringLiteral("Produto"), QStringLiteral("Descricao"),
                                             QStringLiteral("cod_prod"), QStringLiteral("Descricao"),
                                             screen.height() - 143, screen.width() - 347);
                   });
        QVERIFY2(screen.contains(shown), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
    }

    // Store-bound search dialog

    void searchDialogEmptyTextListsTheWholeStore()
    {
        TFrmPesquisa dialog(m_store->dm(), 1);
        dialog.Prepara(QStringLiteral("produto"), QStringLiteral("cod_prod"), QStringLiteral("descricao"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pesquisa em PRODUTO"));
        auto *grid = dialog.findChild<QTableView *>(QStringLiteral("dbgPesquisa"));
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
        dialog.setColumnTitles(QStringLiteral("Código"), QStringLiteral("Descrição "));
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Descrição "));
        showActive(dialog);
        RecordingMessages messages;
        QTest::keyClick(entry(dialog), Qt::Key_Return);
        QStringList codes = column(grid, 0);
        codes.sort();
        QCOMPARE(codes, (QStringList{"10", "11", "12", "13", "15", "20", "21"}));
        QVERIFY(messages.shown().isEmpty());
    }

    void searchDialogSearchesTheBeginningInCapitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("small letters typed") << "banana" << "BANANA" << QStringList{"11", "12"};
        QTest::newRow("apostrophe and accent") << "coco d'á" << "COCO D'Á" << QStringList{"20", "21"};
        QTest::newRow("beginning only") << "NANA" << "NANA" << QStringList{};
        QTest::newRow("other store") << "ARROZ DA" << "ARROZ DA" << QStringList{};
    }
    void searchDialogSearchesTheBeginningInCapitals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, codes);
        TFrmPesquisa dialog(m_store->dm(), 1);
        dialog.Prepara(QStringLiteral("PRODUTO"), QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"));
        showActive(dialog);
        RecordingMessages messages;
        typeText(entry(dialog), typed);
        QCOMPARE(entry(dialog)->text(), shown);
        QTest::keyClick(entry(dialog), Qt::Key_Return);
        QStringList found = column(dialog.findChild<QTableView *>(QStringLiteral("dbgPesquisa")), 0);
        found.sort();
        QCOMPARE(found, codes);
        const QStringList expectedMessages = codes.isEmpty()
            ? QStringList{QStringLiteral("Informação.!\nNenhum registro encontrado com [ %1 ]").arg(shown)}
            : QStringList{};
        QCOMPARE(messages.texts(), expectedMessages);
        QVERIFY(entry(dialog)->hasFocus());
        QVERIFY(dialog.isVisible());
    }

    void searchDialogDoubleClickChooses()
    {
        TFrmPesquisa dialog(m_store->dm(), 1);
        dialog.Prepara(QStringLiteral("PRODUTO"), QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"));
        showActive(dialog);
        QTest::keyClicks(entry(dialog), QStringLiteral("BANANA"));
        QTest::keyClick(entry(dialog), Qt::Key_Return);
        QTest::keyClick(entry(dialog), Qt::Key_Down);
        auto *grid = dialog.findChild<QTableView *>(QStringLiteral("dbgPesquisa"));
        QVERIFY(grid->hasFocus());
        const int row = column(grid, 0).indexOf(QStringLiteral("12"));
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.CodigoEscolhido(), 12);
        QCOMPARE(dialog.TextoEscolhido(), QStringLiteral("BANANADA"));
    }

    void searchDialogWithoutAChoice()
    {
        // A double click on an empty list chooses nothing; the exit button closes as well.
        TFrmPesquisa empty(m_store->dm(), 1);
        empty.Prepara(QStringLiteral("PRODUTO"), QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"));
        showActive(empty);
        QTest::mouseDClick(empty.findChild<QTableView *>(QStringLiteral("dbgPesquisa"))->viewport(), Qt::LeftButton);
        QVERIFY(!empty.isVisible());
        QCOMPARE(empty.CodigoEscolhido(), 0);
        QCOMPARE(empty.TextoEscolhido(), QString());

        TFrmPesquisa left(m_store->dm(), 1);
        left.Prepara(QStringLiteral("PRODUTO"), QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"));
        showActive(left);
        QTest::keyClick(entry(left), Qt::Key_Return);
        left.findChild<QAction *>(QStringLiteral("btSair"))->trigger();
        QVERIFY(!left.isVisible());
        QCOMPARE(left.CodigoEscolhido(), 0);
    }

    void searchDialogFailingStatementKeepsItOpen()
    {
        TFrmPesquisa dialog(m_store->dm(), 1);
        dialog.Prepara(QStringLiteral("NAOEXISTE"), QStringLiteral("COD_PROD"), QStringLiteral("DESCRICAO"));
        showActive(dialog);
        RecordingMessages messages;
        QTest::keyClick(entry(dialog), Qt::Key_Return);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().icon, platform::MessageIcon::Error);
        QVERIFY(dialog.isVisible());
    }

    // Timed message

    void timedMessageIsCreatedOnceAndKept()
    {
        QVERIFY(!TfmMessageTimer::instance());
        installTimedMessageDisplay();
        QString shownText;
        whileModal([&](QWidget *dialog) {
            shownText = static_cast<TfmMessageTimer *>(dialog)->message();
        },
                   [] {
                       platform::showTimedMessage(QStringLiteral("Comanda bloqueada"), 20);
                       return 0;
                   });
        TfmMessageTimer *first = TfmMessageTimer::instance();
        QVERIFY(first);
        QCOMPARE(shownText, QStringLiteral("\nComanda bloqueada"));
        MensagemTemporizada(QStringLiteral("de novo"), 20);
        QCOMPARE(TfmMessageTimer::instance(), first);
        platform::setTimedMessageDisplay(nullptr);
    }

    void timedMessageLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one line goes one line down") << "A" << "\nA";
        QTest::newRow("three lines") << "A\nB\nC" << "\nA\nB\nC";
        QTest::newRow("three lines with CR LF") << "A\r\nB\r\nC" << "\nA\nB\nC";
        QTest::newRow("four lines stay") << "A\nB\nC\nD" << "A\nB\nC\nD";
    }
    void timedMessageLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QString message;
        whileModal([&](QWidget *dialog) { message = static_cast<TfmMessageTimer *>(dialog)->message(); },
                   [&] {
                       MensagemTemporizada(text, 20);
                       return 0;
                   });
        QCOMPARE(message, shown);
    }

    void timedMessageClosesByItselfNotByKeys()
    {
        bool stillOpenAfterKeys = false;
        int interval = 0;
        bool closedByTest = false;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            closedByTest = true;
            TfmMessageTimer::instance()->findChild<QPushButton *>(QStringLiteral("btOk"))->click();
        });
        whileModal([&](QWidget *dialog) {
            interval = static_cast<TfmMessageTimer *>(dialog)->interval();
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
                QTest::keyClick(dialog, key);
            stillOpenAfterKeys = dialog->isVisible();
            dialog->findChild<QPushButton *>(QStringLiteral("btOk"))->click();
        },
                   [] {
                       MensagemTemporizada(QStringLiteral("Aguarde"), 0);
                       return 0;
                   });
        QCOMPARE(interval, 5000);
        QVERIFY(stillOpenAfterKeys);

        guard.start(10000);
        MensagemTemporizada(QStringLiteral("Aguarde"), 30);
        QVERIFY(!closedByTest);
    }

private:
    static QLineEdit *entry(QDialog &dialog) { return dialog.findChild<QLineEdit *>(QStringLiteral("edPesquisa")); }
    static void showActive(QDialog &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QLineEdit *>(QStringLiteral("edPesquisa"))->setFocus();
    }

    std::unique_ptr<FixtureStore> m_store;
};

QTEST_MAIN(TestLookupDialogs)
#include "tst_lookup_dialogs.moc"
