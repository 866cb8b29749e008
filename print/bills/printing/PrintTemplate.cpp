#include "bills/printing/PrintTemplate.h"

#include "bills/printing/PrintRefusal.h"
#include "core/db/AdoFunc.h"
#include "core/globals/ProgramFolder.h"
#include "core/template/EditKindIndex.h"
#include "core/template/TemplateStore.h"

#include <QFileInfo>
#include <QSqlRecord>

namespace {

QString text(const QSqlQuery &row, const char *column)
{
    return row.value(QLatin1String(column)).toString();
}

int number(const QSqlQuery &row, const char *column)
{
    return row.value(QLatin1String(column)).toInt();
}

QList<TemplateField> readFields(const QSqlDatabase &db, const QString &sql, const QString &noteName, int parent)
{
    QList<TemplateField> fields;
    QSqlQuery rows = RunStatement(db, sql, {noteName, parent});
    while (rows.next()) {
        TemplateField field;
        field.x = number(rows, "Ctlx");
        field.y = number(rows, "CtlY");
        field.width = number(rows, "CtlW");
        field.height = number(rows, "CtlH");
        field.tag = number(rows, "Tag");
        field.editType = text(rows, "FieldEditType");
        field.columnName = text(rows, "DbFieldName").trimmed();
        field.caption = text(rows, "CtlCName");
        field.needPrint = text(rows, "NeedPrint").trimmed() == QStringLiteral("是");
        field.xAlign = text(rows, "xAlign");
        field.yAlign = text(rows, "yAlign");
        field.fontString = text(rows, "CtlFontName");
        field.textForm = text(rows, "CtlType");
        field.digitalCount = number(rows, "DigitalCount");
        field.gridLineNum = number(rows, "GridLineNum");
        fields.append(field);
    }
    return fields;
}

} // namespace

QString PrintTemplate::picturePath() const
{
    // The column holds a bare file name; anything else in it is not followed out of the folder.
    return ProgramFile(QStringLiteral("images/") + QFileInfo(imgFile).fileName());
}

PrintTemplate LoadPrintTemplate(const QSqlDatabase &db, const QString &noteName)
{
    QSqlQuery row = RunStatement(db, QStringLiteral("select * from p_NoteList where NoteName = ?"), {noteName});
    if (!row.next())
        throw PrintRefusal(QStringLiteral("找不到单据格式“%1”").arg(noteName));

    PrintTemplate tpl;
    tpl.noteName = text(row, "NoteName");
    tpl.imgFile = text(row, "ImgFile").trimmed();
    tpl.imgEnc = number(row, "ImgEnc");
    tpl.xMoveMm = row.value(QStringLiteral("Xmove")).toDouble();
    tpl.yMoveMm = row.value(QStringLiteral("Ymove")).toDouble();
    tpl.tWidthCipher = text(row, "tWidth").trimmed();
    tpl.tHeightCipher = text(row, "tHeight").trimmed();

    tpl.fields = readFields(db, PlacedFieldsSql(), tpl.noteName, 0);
    for (TemplateField &field : tpl.fields) {
        if (field.editType.trimmed() == EditKindName(ekGrid))
            field.columns = readFields(db, PrintedGridColumnsSql(), tpl.noteName, field.tag);
    }
    return tpl;
}
