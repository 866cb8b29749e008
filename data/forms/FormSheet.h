#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class SheetLayout;

// One field of a shipped format, placed on a box the form's picture draws (picture pixels).
struct SheetField
{
    QString caption;
    QString column;
    QString editKind;
    QRect rect;
    QString font = QStringLiteral("宋体;10;;;;");
    QString xAlign = QStringLiteral("居左");
    bool shown = true;
    bool printed = true;
    int digits = 0;            // cells of an amount box or a spaced string
    int decimals = 0;          // decimals of an amount box
    bool placeNames = false;   // amount box: the place-name row above it
    QString dropDown;          // 下拉选择: list name ("省", "市" or a p_BaseCode list)
    QString dropRelated;       // 下拉选择: the field refilled when this one changes
    QString pickList;          // 选择器: p_pickList.PickName
    QString pickTargets;       // 选择器: columns the picker fills, comma-separated
    QString sumField;          // grid column: the header column of its total
    int grid = -1;             // index of the owning grid field in the sheet, -1 on the page
    int gridTitleHeight = 0;   // 表格
    int gridLines = 0;         // 表格
    QString gridFormula;       // 表格
};

// A shipped format: the paper it is printed on (millimetres, the size of the common paper form
// of its kind), the picture drawn of it and the fields placed on that picture.
struct FormSheet
{
    QString kind;         // s_PrintType.PrintName; also the category and the format's name
    QString refNo;
    QString dataTable;
    QString detailTable;
    QString imageFile;    // in images/
    QString iconFile;     // in icons/
    double widthMm = 0;
    double heightMm = 0;
    int dpi = 96;
    QColor ink;           // the colour the form is printed in
    QString iconGlyph;    // the character on the kind's main-page icon
    QList<SheetField> fields;
    // Draws the form and places its fields.
    std::function<void(SheetLayout &)> layOut;

    int widthPx() const;
    int heightPx() const;
};

// A sheet of a kind on its data table, its picture and icon named after `file`.
FormSheet NewFormSheet(const QString &kind, const QString &refNo, const QString &file, const QString &dataTable,
                       double widthMm, double heightMm, const QColor &ink, const QString &glyph);
