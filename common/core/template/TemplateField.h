#pragma once

#include "core/template/EditKindIndex.h"
#include "core/template/FieldFont.h"
#include "core/units/PicturePixels.h"

#include <QString>

#include <optional>

// One field of a template (a p_NoteCntlList row). Texts hold a null QString for NULL; numbers
// that may be missing are optional.
struct TemplateField
{
    qint64 autoid = 0;       // 0 until stored
    QString refNo;           // the template's number
    int tag = 0;             // unique in the template: grids from 500, other fields from 1000
    int parentId = 0;        // 0: on the page; else the Tag of the grid it is a column of
    QString caption;         // CtlCName
    QString dbFieldName;     // the bound column; for a grid, its detail table
    EditKindIndex kind = ekTextDisplay;
    QString unknownKind;     // the stored FieldEditType when it names no kind (kind ekNone)
    bool placed = false;     // Ctlx not NULL; an unplaced field is neither shown nor printed
    PictureRect rect;        // Ctlx, CtlY, CtlW, CtlH
    std::optional<FieldFont> font; // CtlFontName
    QString xAlign;          // 居左 / 居中 / 居右
    QString yAlign;          // 居上 / 居中 / 居下
    bool needShow = false;
    bool needPrint = false;
    bool captionVisible = false;
    bool multiLine = false;
    QString sumField;        // a grid column summed into the header
    std::optional<int> initType;
    QString dropDownName;
    std::optional<int> dropDownLevel;
    QString dropRelComp;
    QString pickListName;
    QString pickSetFields;
    std::optional<int> checkRadioCols; // CheckRaidioCols
    std::optional<int> digitalCount;
    std::optional<int> fitParam;
    QString textForm;        // CtlType: the print format of the text
    std::optional<int> gridTitleH;
    std::optional<int> gridLineNum;
    QString gridCal;         // a grid's formulas
    std::optional<int> readOnly;
    std::optional<int> bEditDisplay;

    friend bool operator==(const TemplateField &, const TemplateField &) = default;

    bool isGrid() const { return kind == ekGrid; }
    // The bound column (or a grid's detail table) without surrounding blanks.
    QString column() const { return dbFieldName.trimmed(); }
    // The stored name of the kind.
    QString kindText() const;
    // What changing the kind in the designer sets besides the kind itself.
    void changeKind(EditKindIndex newKind);
};
