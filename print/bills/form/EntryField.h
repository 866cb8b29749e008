#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// One placed p_NoteCntlList row of a format: a control of the bill form's surface, or a column
// of one of its grids.
struct EntryField
{
    QString refNo;
    int tag = 0;
    int parentId = 0;
    QString caption;       // CtlCName
    QString dbFieldName;   // for a grid: its detail table
    QString editType;      // FieldEditType, trimmed
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    QString fontName;
    QString xAlign;
    QString yAlign;
    bool needShow = false;
    bool multiLine = false;
    QString sumField;
    QString dropDownName;
    QString dropRelComp;
    QString pickListName;
    QString pickSetFields;
    int checkRadioCols = 0;
    int digitalCount = 0;
    int fitParam = -1;     // -1 when empty
    int gridTitleH = 0;
    int gridLineNum = 0;
    QString gridCal;

    // The edit kind's index, -1 when the type names none.
    int editKind() const;
};

// The placed fields of the format under one parent (0: the page, else a grid's Tag), ordered
// by their left edge.
QList<EntryField> PlacedEntryFields(const QSqlDatabase &db, const QString &noteName, int parentId);
