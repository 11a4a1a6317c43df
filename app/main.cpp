#include "core/CoreScreens.h"
#include "core/ScreenContext.h"
#include "core/TDMSqls.h"
#include "core/TfmConsProd.h"
#include "core/TfmMessageTimer.h"
#include "core/TfmSenhaFun.h"
#include "labels/LabelScreens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Terminal de Consulta"));
    installTimedMessageDisplay();

    const auto dm = TDMSqls::create(QApplication::applicationDirPath());
    if (!dm)
        return 1;

    TfmConsProd mainScreen(*dm, QApplication::applicationDirPath());
    if (!mainScreen.configurationFound())
        return 1;
    TfmSenhaFun passwordForm(*dm, mainScreen.settings(), &mainScreen);
    mainScreen.setAuthorization(passwordForm);

    const ScreenContext context{*dm, mainScreen.settings(), passwordForm};
    registerCoreScreens(context);
    registerLabelScreens(context);
    QObject::connect(&mainScreen, &TfmConsProd::quitRequested, &app, &QApplication::quit);

    mainScreen.show();
    return QApplication::exec();
}
