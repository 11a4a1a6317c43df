#include "CoreScreens.h"

#include "ScreenContext.h"
#include "TFrmConsComanda.h"
#include "TfmRelog.h"
#include "platform/ScreenNavigator.h"

void registerCoreScreens(const ScreenContext &context)
{
    auto &navigator = platform::ScreenNavigator::instance();
    navigator.registerScreen(QStringLiteral("TfmRelog"), [context](QWidget *parent, const QVariantMap &) {
        return std::make_unique<TfmRelog>(context.dm, context.authorization, parent);
    });
    navigator.registerScreen(QStringLiteral("TFrmConsComanda"), [context](QWidget *parent, const QVariantMap &) {
        return std::make_unique<TFrmConsComanda>(context.dm, parent);
    });
}
