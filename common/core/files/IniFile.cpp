#include "core/files/IniFile.h"

#include <QFile>
#include <QSaveFile>

bool IniFile::load(const QString &path)
{
    m_sections.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    Entries *current = nullptr;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            m_sections.append({line.mid(1, line.size() - 2).trimmed(), {}});
            current = &m_sections.last().second;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (current && equals > 0)
            current->append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return true;
}

bool IniFile::save(const QString &path) const
{
    QString text;
    for (const auto &[name, entries] : m_sections) {
        text += u'[' + name + QStringLiteral("]\n");
        for (const auto &[key, value] : entries)
            text += key + u'=' + value + u'\n';
        text += u'\n';
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

qsizetype IniFile::indexOf(const QString &section) const
{
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (m_sections[i].first.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

IniFile::Entries IniFile::section(const QString &section) const
{
    const qsizetype index = indexOf(section);
    return index < 0 ? Entries() : m_sections[index].second;
}

void IniFile::replaceSection(const QString &section, const Entries &entries)
{
    const qsizetype index = indexOf(section);
    if (index < 0)
        m_sections.append({section, entries});
    else
        m_sections[index].second = entries;
}

QString IniValue(const IniFile::Entries &entries, const QString &key, const QString &defaultValue)
{
    for (const auto &[name, value] : entries)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    return defaultValue;
}
