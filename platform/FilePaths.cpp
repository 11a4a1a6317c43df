#include "FilePaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace platform {

QString findFile(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    const QString native = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(native).isFile())
        return native;
    const bool absolute = native.startsWith(QLatin1Char('/'));
    QString current = absolute ? QStringLiteral("/") : QStringLiteral(".");
    const QStringList parts = native.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QDir dir(current);
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const auto match = std::find_if(entries.cbegin(), entries.cend(), [&](const QString &entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.cend())
            return {};
        current = dir.filePath(*match);
    }
    return QFileInfo(current).isFile() ? current : QString();
}

} // namespace platform
