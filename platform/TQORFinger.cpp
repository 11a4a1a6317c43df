#include "TQORFinger.h"

#include <QLibrary>

namespace platform {

TQORFinger::TQORFinger(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TQORFinger"));
    setFixedSize(80, 80);
}

void TQORFinger::stop()
{
    // ATClose takes no arguments, so the calling convention does not matter.
    using ReaderClose = void (*)();
    QLibrary reader(QStringLiteral("ATSC63"));
    if (const auto close = reinterpret_cast<ReaderClose>(reader.resolve("ATClose")))
        close();
}

} // namespace platform
