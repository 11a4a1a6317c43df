#include "LabelFixture.h"
#include "labels/LabelScreens.h"
#include "labels/TfmMenuEtq.h"
#include "platform/ScreenNavigator.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTest>

namespace {

QStringList requestedScreens()
{
    QStringList screens;
    for (const auto &request : platform::ScreenNavigator::instance().requests())
        screens.append(request.screen);
    return screens;
}

} // namespace

class TestLabelMenu : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::ScreenNavigator::instance().startRecording(); }
    void cleanup() { platform::ScreenNavigator::instance().stopRecording(); }

    void buttonsInTabOrder()
    {
        LabelFixture fixture;
        TfmMenuEtq menu(fixture.context);
        QStringList order;
        QWidget *widget = menu.findChild<QPushButton *>(QStringLiteral("btEtqPreco"));
        for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain()) {
            while (!qobject_cast<QPushButton *>(widget))
                widget = widget->nextInFocusChain();
            order.append(widget->objectName() + QLatin1Char('=') + qobject_cast<QPushButton *>(widget)->text());
        }
        QCOMPARE(order, (QStringList{"btEtqPreco=&Preços", "btEtqGondula=&Gôndolas", "BitBtn1=&Produção",
                                     "BitBtn2=&Etiquetas", "btVoltar=&Voltar", "BitBtn3=Et&iqueta de Armazenamento"}));
        QCOMPARE(menu.findChild<QLabel *>(QStringLiteral("lbTitulo"))->text(), QStringLiteral("Etiquetas"));
    }

    void modelDecidesTheScreen_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("opened");

        QTest::newRow("ALLEGRO prices") << "ALLEGRO" << "btEtqPreco" << QStringList{"TfmEtiqueta"};
        QTest::newRow("ALLEGRO gondolas") << "ALLEGRO" << "btEtqGondula" << QStringList{"TfmGondolaAlegro"};
        QTest::newRow("ALLEGRO production") << "ALLEGRO" << "BitBtn1" << QStringList{"TfmProduProAlegro"};
        QTest::newRow("ALLEGRO 2 prices: first seven characters") << "ALLEGRO 2" << "btEtqPreco" << QStringList{"TfmEtiqueta"};
        QTest::newRow("ALLEGRO 2 gondolas: not a model") << "ALLEGRO 2" << "btEtqGondula" << QStringList{};
        QTest::newRow("RABBIT prices") << "RABBIT" << "btEtqPreco" << QStringList{"TfmEtiqueta"};
        QTest::newRow("RABBIT1 prices: sheet") << "RABBIT1" << "btEtqPreco" << QStringList{"TfmPreco"};
        QTest::newRow("ZEBRA TLP2844 prices") << "ZEBRA TLP2844" << "btEtqPreco" << QStringList{"TfmEtiqueta"};
        QTest::newRow("ZEBRA TLP2844 production") << "ZEBRA TLP2844" << "BitBtn1" << QStringList{"TfmProduProAlegro"};
        QTest::newRow("empty prices") << "" << "btEtqPreco" << QStringList{"TfmPreco"};
        QTest::newRow("empty gondolas: sheet") << "" << "btEtqGondula" << QStringList{"TfmGondola"};
        QTest::newRow("ELGINL42 gondolas: thermal only") << "ELGINL42" << "btEtqGondula" << QStringList{"TfmGondolaAlegro"};
        QTest::newRow("ELGINL42 prices: sheet") << "ELGINL42" << "btEtqPreco" << QStringList{"TfmPreco"};
        QTest::newRow("ZEBRAZD220USB gondolas") << "ZEBRAZD220USB" << "btEtqGondula" << QStringList{"TfmGondolaAlegro"};
        QTest::newRow("sheet gondolas whatever the model") << "ALLEGRO" << "BitBtn2" << QStringList{"TfmGondola"};
        QTest::newRow("storage labels whatever the model") << "ELGINL42" << "BitBtn3" << QStringList{"TfrmEtiquetaArmazenaFrio"};
    }

    void modelDecidesTheScreen()
    {
        QFETCH(QString, model);
        QFETCH(QString, button);
        QFETCH(QStringList, opened);
        LabelFixture fixture;
        fixture.settings.Modelo = model;
        TfmMenuEtq menu(fixture.context);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.findChild<QPushButton *>(button)->click();
        QCOMPARE(requestedScreens(), opened);
        QVERIFY(menu.isVisible());
    }

    void productionOnlyForThreeModels_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("ALLEGRO") << "ALLEGRO" << true;
        QTest::newRow("RABBIT") << "RABBIT" << true;
        QTest::newRow("ZEBRA TLP2844") << "ZEBRA TLP2844" << true;
        QTest::newRow("ALLEGRO 2") << "ALLEGRO 2" << false;
        QTest::newRow("ELGINL42") << "ELGINL42" << false;
        QTest::newRow("empty") << "" << false;
    }

    void productionOnlyForThreeModels()
    {
        QFETCH(QString, model);
        QFETCH(bool, enabled);
        LabelFixture fixture;
        fixture.settings.Modelo = model;
        TfmMenuEtq menu(fixture.context);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->isEnabled(), enabled);
        QCOMPARE(QApplication::focusWidget(), menu.findChild<QPushButton *>(QStringLiteral("btEtqPreco")));

        RecordingMessages messages;
        menu.BitBtn1Click();
        QCOMPARE(messages.texts(), enabled ? QStringList{} : QStringList{QStringLiteral("Não compatível com modelo da impressora.")});
        QCOMPARE(requestedScreens(), enabled ? QStringList{QStringLiteral("TfmProduProAlegro")} : QStringList{});
    }

    void escapeCloses()
    {
        LabelFixture fixture;
        TfmMenuEtq menu(fixture.context);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(menu.findChild<QPushButton *>(QStringLiteral("btEtqPreco")), Qt::Key_Escape);
        QVERIFY(!menu.isVisible());
        QCOMPARE(menu.result(), int(QDialog::Rejected));
    }

    void registeredUnderItsClassNameWithTheStoreCaption()
    {
        LabelFixture fixture;
        auto &navigator = platform::ScreenNavigator::instance();
        navigator.stopRecording();
        registerLabelScreens(fixture.context);
        QVERIFY(navigator.isRegistered(QStringLiteral("TfmMenuEtq")));
        QVERIFY(navigator.isRegistered(QStringLiteral("TfmGondolaAlegro")));
        QString caption;
        QTimer::singleShot(0, [&caption] {
            auto *menu = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            caption = menu ? menu->windowTitle() : QString();
            if (menu)
                menu->reject();
        });
        navigator.open(QStringLiteral("TfmMenuEtq"), nullptr, {{QStringLiteral("Caption"), QStringLiteral("LOJA CENTRO")}});
        QCOMPARE(caption, QStringLiteral("LOJA CENTRO"));
        navigator.unregisterAll();
    }
};

QTEST_MAIN(TestLabelMenu)
#include "tst_label_menu.moc"
