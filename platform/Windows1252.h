#pragma once

#include <QByteArray>
#include <QString>

// The terminal's files and printers speak single-byte Windows-1252.
namespace platform {

QString fromWindows1252(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray toWindows1252(const QString &text);

} // namespace platform
