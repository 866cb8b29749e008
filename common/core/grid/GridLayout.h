#pragma once

#include "core/files/IniFile.h"

#include <QList>
#include <QString>

#include <optional>

// What a grid keeps of its look between sessions: its columns in display order (bound field,
// width, shown or hidden), its sort markers as a sort text, and its row height.
struct GridColumnLayout
{
    QString field;
    int width = 0;
    bool visible = true;

    bool operator==(const GridColumnLayout &) const = default;
};

struct GridLayout
{
    QList<GridColumnLayout> columns;
    QString sortText;   // "a ASC,b DESC"
    int rowHeight = 0;  // 0: the grid's own

    bool operator==(const GridLayout &) const = default;

    // The keys of one section of the layout file: ColumnCount, Column1.. ("width;visible;field",
    // the field last so that it may hold any character), SortMarkers, RowHeight.
    IniFile::Entries toEntries() const;
    static GridLayout fromEntries(const IniFile::Entries &entries);
};

// The grid layout file beside the program ("GridDisp.ini").
QString GridLayoutFilePath();

// The layout saved under the section; nothing when the file or the section is missing.
std::optional<GridLayout> LoadGridLayout(const QString &path, const QString &section);
// Replaces the section (other sections stay); false when the file could not be written.
bool SaveGridLayout(const QString &path, const QString &section, const GridLayout &layout);
