#pragma once

#include <QString>

namespace platform {

// A file named as the stores write it (Windows separators, any case) found on this
// system: the path itself when it exists, else the same path matched without regard to
// case, folder by folder. Empty when there is no such file.
QString findFile(const QString &path);

} // namespace platform
