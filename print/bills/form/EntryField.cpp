#include "bills/form/EntryField.h"

#include "core/db/AdoFunc.h"
#include "core/template/EditKindIndex.h"
#include "core/template/TemplateStore.h"

#include <QSqlRecord>

namespace {

bool isYes(const QVariant &value)
{
    return value.toString().trimmed() == QStringLiteral("是");
}

} // namespace

int EntryField::editKind() const
{
    return GetEditType(editType);
}

QList<EntryField> PlacedEntryFields(const QSqlDatabase &db, const QString &noteName, int parentId)
{
    QSqlQuery query = RunStatement(db, PlacedFieldsSql(), {noteName, parentId});
    QList<EntryField> fields;
    while (query.next()) {
        const QSqlRecord row = query.record();
        auto text = [&](const char *name) { return row.value(QLatin1String(name)).toString(); };
        auto number = [&](const char *name) { return row.value(QLatin1String(name)).toInt(); };
        EntryField field;
        field.refNo = text("RefNo");
        field.tag = number("Tag");
        field.parentId = number("ParentId");
        field.caption = text("CtlCName");
        field.dbFieldName = text("DbFieldName").trimmed();
        field.editType = text("FieldEditType").trimmed();
        field.x = number("Ctlx");
        field.y = number("CtlY");
        field.width = number("CtlW");
        field.height = number("CtlH");
        field.fontName = text("CtlFontName");
        field.xAlign = text("xAlign");
        field.yAlign = text("yAlign");
        field.needShow = isYes(row.value(QStringLiteral("NeedShow")));
        field.multiLine = isYes(row.value(QStringLiteral("MultiLine")));
        field.sumField = text("SumField").trimmed();
        field.dropDownName = text("DropDownName").trimmed();
        field.dropRelComp = text("DropRelComp").trimmed();
        field.pickListName = text("PickListName").trimmed();
        field.pickSetFields = text("pickSetFields");
        field.checkRadioCols = number("CheckRaidioCols");
        field.digitalCount = number("DigitalCount");
        const QVariant fit = row.value(QStringLiteral("FitParam"));
        field.fitParam = fit.isNull() || fit.toString().trimmed().isEmpty() ? -1 : fit.toInt();
        field.gridTitleH = number("GridTitleH");
        field.gridLineNum = number("GridLineNum");
        field.gridCal = text("GridCal").trimmed();
        fields.append(field);
    }
    return fields;
}
