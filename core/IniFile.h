#pragma once

#include <QHash>
#include <QString>

// A Windows INI file as the terminal reads it: Windows-1252 text, section and key names
// matched without regard to case (and to surrounding blanks), the first occurrence wins,
// lines that are neither a section nor "key=value" are passed over.
class IniFile {
public:
    // A missing or unreadable file reads as empty.
    explicit IniFile(const QString &path);

    bool exists() const { return m_exists; }
    // The value, trimmed; the default when it is empty or the section or key is missing.
    QString value(const QString &section, const QString &key, const QString &defaultValue = {}) const;

private:
    bool m_exists = false;
    QHash<QString, QHash<QString, QString>> m_sections;
};

// Reads one key of a file in the terminal's folder.
QString LeIni(const QString &folder, const QString &fileName, const QString &section,
              const QString &key, const QString &defaultValue);

// Writes one key, keeping every other byte of the file as it was. Returns false when the
// file cannot be written.
bool writeIniValue(const QString &path, const QString &section, const QString &key, const QString &value);
