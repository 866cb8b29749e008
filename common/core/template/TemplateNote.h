#pragma once

#include "core/units/Millimetres.h"

#include <QString>

#include <optional>

// The p_NoteList row of a template. Texts hold a null QString for NULL; numbers that may be
// missing are optional.
struct TemplateNote
{
    qint64 autoid = 0;         // 0 until stored
    QString refNo;             // the template's number, unique
    QString noteName;          // unique without regard to letter case
    QString noteNameType;      // category
    QString noteType;          // bill kind
    QString dataTableName;     // DataTablename
    QString detailTableName;
    bool isDefault = false;    // "default": the category's default format; the writer decides it
    std::optional<int> defNote; // 1: the category the main page chose for the kind
    Millimetres xMove;         // calibration offsets on paper
    Millimetres yMove;
    std::optional<int> xDpi;   // the picture's density
    std::optional<int> yDpi;
    std::optional<int> dpiUnit;
    QString imgFile;           // picture file name in the images folder
    std::optional<int> imgEnc; // 1: the picture file is hex text
    QString tWidth;            // paper inches the picture covers, enciphered
    QString tHeight;
    QString convertRate1;
    QString convertRate2;
    QString smallpic;          // the main-page icon in the icons folder
    std::optional<double> zoomFactor;
    std::optional<int> xPanelPos;
    QString reviseBy;
    QString reviseDate;        // ISO date text
    QString area;
    QString bankName;
    QString version;
    QString type;
    QString showInUi;
    QString showInMenu;
    QString printerName;

    friend bool operator==(const TemplateNote &, const TemplateNote &) = default;

    // The bill form's zoom: 1 when stored as 0 or missing.
    double zoom() const { return zoomFactor && *zoomFactor != 0 ? *zoomFactor : 1.0; }
};
