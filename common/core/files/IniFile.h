#pragma once

#include <QList>
#include <QPair>
#include <QString>

// A small INI file of our own, read and written as UTF-8 (section and key names stay readable,
// whatever their script). Sections and keys are matched without regard to letter case; the
// order of sections and keys is kept.
class IniFile
{
public:
    using Entries = QList<QPair<QString, QString>>;

    // Reads the file; a missing file is an empty one. False when it exists but cannot be read.
    bool load(const QString &path);
    // Writes the whole file through a temporary file; false when it could not be written.
    bool save(const QString &path) const;

    bool hasSection(const QString &section) const { return indexOf(section) >= 0; }
    Entries section(const QString &section) const;
    // Replaces the section (its old keys go), or adds it at the end.
    void replaceSection(const QString &section, const Entries &entries);

private:
    qsizetype indexOf(const QString &section) const;

    QList<QPair<QString, Entries>> m_sections;
};

// The value of a key in a section's entries (letter case ignored); the default when absent.
QString IniValue(const IniFile::Entries &entries, const QString &key, const QString &defaultValue = {});
