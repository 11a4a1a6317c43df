#include "LabelLayout.h"

#include "core/LayoutKeys.h"
#include "core/TerminalSettings.h"

LabelLayout labelLayout(const TerminalSettings &settings)
{
    LabelLayout layout;
    for (const QString &key : layoutKeys())
        layout.insert(key, settings.layout(key));
    return layout;
}
