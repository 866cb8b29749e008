#include "core/grid/GridLayout.h"

#include "core/globals/ProgramFolder.h"

IniFile::Entries GridLayout::toEntries() const
{
    IniFile::Entries entries;
    entries.append({QStringLiteral("ColumnCount"), QString::number(columns.size())});
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const GridColumnLayout &column = columns[i];
        entries.append({QStringLiteral("Column%1").arg(i + 1),
                        QStringLiteral("%1;%2;%3").arg(column.width).arg(column.visible ? 1 : 0).arg(column.field)});
    }
    entries.append({QStringLiteral("SortMarkers"), sortText});
    entries.append({QStringLiteral("RowHeight"), QString::number(rowHeight)});
    return entries;
}

GridLayout GridLayout::fromEntries(const IniFile::Entries &entries)
{
    GridLayout layout;
    const int count = IniValue(entries, QStringLiteral("ColumnCount")).toInt();
    for (int i = 1; i <= count; ++i) {
        const QString value = IniValue(entries, QStringLiteral("Column%1").arg(i));
        const QStringList parts = value.split(u';');
        if (parts.size() < 3)
            continue;
        GridColumnLayout column;
        column.width = parts[0].toInt();
        column.visible = parts[1] != QLatin1String("0");
        column.field = value.section(u';', 2);
        if (!column.field.isEmpty())
            layout.columns.append(column);
    }
    layout.sortText = IniValue(entries, QStringLiteral("SortMarkers"));
    layout.rowHeight = IniValue(entries, QStringLiteral("RowHeight")).toInt();
    return layout;
}

QString GridLayoutFilePath()
{
    return ProgramFile(QStringLiteral("GridDisp.ini"));
}

std::optional<GridLayout> LoadGridLayout(const QString &path, const QString &section)
{
    IniFile file;
    if (!file.load(path) || !file.hasSection(section))
        return std::nullopt;
    return GridLayout::fromEntries(file.section(section));
}

bool SaveGridLayout(const QString &path, const QString &section, const GridLayout &layout)
{
    IniFile file;
    if (!file.load(path))
        return false;
    file.replaceSection(section, layout.toEntries());
    return file.save(path);
}
