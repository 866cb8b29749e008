#pragma once

#include <QList>
#include <QString>

// One placed field of a template as printing reads it (a p_NoteCntlList row). Positions and
// sizes are in pixels of the template's picture.
struct TemplateField
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int tag = 0;
    QString editType;     // FieldEditType
    QString columnName;   // dbFieldName; for a grid: its detail table
    QString caption;      // CtlCName
    bool needPrint = false;
    QString xAlign;
    QString yAlign;
    QString fontString;   // CtlFontName
    QString textForm;     // CtlType
    int digitalCount = 0;
    int gridLineNum = 0;
    // A grid's printed columns in autoid order; empty for other fields.
    QList<TemplateField> columns;
};
