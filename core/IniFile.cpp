#include "IniFile.h"

#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <optional>

namespace {

QString normalName(const QString &name) { return name.trimmed().toUpper(); }

// Windows drops one pair of matching quotes around a value.
QString unquoted(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return normalName(trimmed.mid(1, close - 1));
}

} // namespace

IniFile::IniFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    const QString text = platform::fromWindows1252(file.readAll());
    QHash<QString, QString> *current = nullptr;
    QString currentName;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = QString(rawLine).remove(QLatin1Char('\r'));
        if (const auto name = sectionName(line)) {
            // A repeated section adds nothing: the first one is the one read.
            current = m_sections.contains(*name) ? nullptr : &m_sections[*name];
            continue;
        }
        if (!current || line.trimmed().startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = normalName(line.left(equals));
        if (!key.isEmpty() && !current->contains(key))
            current->insert(key, unquoted(line.mid(equals + 1).trimmed()));
    }
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const auto s = m_sections.constFind(normalName(section));
    if (s == m_sections.constEnd())
        return defaultValue;
    const QString found = s->value(normalName(key));
    return found.isEmpty() ? defaultValue : found;
}

QString LeIni(const QString &folder, const QString &fileName, const QString &section,
              const QString &key, const QString &defaultValue)
{
    return IniFile(QDir(folder).filePath(fileName)).value(section, key, defaultValue);
}

bool writeIniValue(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray bytes;
    {
        QFile in(path);
        if (in.exists() && !in.open(QIODevice::ReadOnly))
            return false;
        bytes = in.isOpen() ? in.readAll() : QByteArray();
    }
    const QByteArray eol = bytes.contains("\r\n") || bytes.isEmpty() ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray newLine = platform::toWindows1252(key) + '=' + platform::toWindows1252(value);

    // Walk the lines by byte offsets so that everything not replaced stays as it was.
    qsizetype pos = 0;
    bool inSection = false;
    qsizetype insertAt = -1; // end of the last non-blank line of the wanted section
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        const QString line = platform::fromWindows1252(bytes.mid(pos, end - pos)).remove(QLatin1Char('\r'));
        if (const auto name = sectionName(line)) {
            if (inSection)
                break;
            inSection = *name == normalName(section);
            if (inSection)
                insertAt = next;
        } else if (inSection) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0 && normalName(line.left(equals)) == normalName(key)) {
                const qsizetype lineEnd = bytes.at(end - 1) == '\r' && end > pos ? end - 1 : end;
                bytes.replace(pos, lineEnd - pos, newLine);
                insertAt = -2;
                break;
            }
            if (!line.trimmed().isEmpty())
                insertAt = next;
        }
        pos = next;
    }
    if (insertAt == -1) {
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += eol;
        bytes += '[' + platform::toWindows1252(section) + ']' + eol + newLine + eol;
    } else if (insertAt >= 0) {
        QByteArray insert = newLine + eol;
        if (insertAt > 0 && bytes.at(insertAt - 1) != '\n')
            insert.prepend(eol);
        bytes.insert(insertAt, insert);
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(bytes);
    return out.commit();
}
