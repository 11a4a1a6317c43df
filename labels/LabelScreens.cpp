#include "LabelScreens.h"

#include "TfmGondolaAlegro.h"
#include "TfmMenuEtq.h"
#include "platform/ScreenNavigator.h"

void registerLabelScreens(const ScreenContext &context)
{
    auto &navigator = platform::ScreenNavigator::instance();
    navigator.registerScreen(QStringLiteral("TfmMenuEtq"), [context](QWidget *parent, const QVariantMap &args) {
        auto menu = std::make_unique<TfmMenuEtq>(context, parent);
        menu->setWindowTitle(args.value(QStringLiteral("Caption")).toString());
        return std::unique_ptr<QDialog>(std::move(menu));
    });
    navigator.registerScreen(QStringLiteral("TfmGondolaAlegro"), [context](QWidget *parent, const QVariantMap &) {
        auto screen = std::make_unique<TfmGondolaAlegro>(context, parent);
        return screen->opened() ? std::unique_ptr<QDialog>(std::move(screen)) : nullptr;
    });
}
