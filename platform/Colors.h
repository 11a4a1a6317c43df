#pragma once

#include <QColor>

namespace platform {

// The colour values the terminal's screens are specified in are Windows colour integers:
// 0x00BBGGRR.
inline QColor colorFromBgr(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace platform
