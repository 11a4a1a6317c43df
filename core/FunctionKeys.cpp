#include "FunctionKeys.h"

#include "EmployeeAuthorization.h"
#include "TDMSqls.h"
#include "platform/ScreenNavigator.h"

#include <Qt>

#include <algorithm>
#include <iterator>

namespace {

struct KeyScreen {
    int key;
    const char *screen;
    bool identifiesEmployee;
};

constexpr KeyScreen kKeyScreens[] = {
    {Qt::Key_F3, "TfmRelog", false},
    {Qt::Key_F4, "TfmMenuEtq", false},
    {Qt::Key_F5, "TfmEmRelPromo", false},
    {Qt::Key_F6, "TFrmConsComanda", false},
    {Qt::Key_F7, "TfrmRetiradaProduto", true},
    {Qt::Key_F8, "TfrmEstTrocaForn", true},
    {Qt::Key_F9, "TFrmInventario", true},
};

} // namespace

FunctionKeys::FunctionKeys(platform::ScreenNavigator &navigator, EmployeeAuthorization &authorization, TDMSqls &dm)
    : m_navigator(navigator)
    , m_authorization(authorization)
    , m_dm(dm)
{
}

bool FunctionKeys::keyPressed(int key, QWidget *parent)
{
    const auto entry = std::find_if(std::begin(kKeyScreens), std::end(kKeyScreens),
                                    [key](const KeyScreen &keyScreen) { return keyScreen.key == key; });
    if (entry == std::end(kKeyScreens))
        return false;

    QVariantMap args;
    if (entry->identifiesEmployee) {
        m_dm.employeeRows() = {};
        if (m_authorization.authorize() != platform::DialogAnswer::Yes)
            return true;
        args.insert(QStringLiteral("CodFunc"), m_authorization.authorizedEmployee());
    }
    if (key == Qt::Key_F4)
        args.insert(QStringLiteral("Caption"), m_dm.storeShortName());
    m_navigator.open(QString::fromLatin1(entry->screen), parent, args);
    return true;
}
