#include "core/template/TemplateDocument.h"

#include "core/db/AdoFunc.h"
#include "core/db/StoredValue.h"
#include "core/printfun/FontInfo.h"

#include <algorithm>

namespace {
const QString kBankTransferTable = QStringLiteral("银行转帐单");
const QString kWaybillTable = QStringLiteral("快递单");

bool isPlacedUnder(const TemplateField &field, int parentId)
{
    return field.placed && field.parentId == parentId;
}

TemplateField newField(const QString &refNo)
{
    TemplateField field;
    field.refNo = refNo;
    field.xAlign = QStringLiteral("居左");
    field.yAlign = QStringLiteral("居中");
    field.kind = ekTextDisplay;
    field.needPrint = true;
    field.needShow = true;
    field.dropDownLevel = 1;
    field.initType = 0;
    field.font = FieldFont::decode(DefaultFontInfo());
    field.multiLine = false;
    return field;
}

void applyKindDefaults(TemplateField &field, const QString &dataTableName)
{
    if (field.kind == ekAmount) {
        field.dbFieldName = QStringLiteral("金额");
        field.xAlign = QStringLiteral("居中");
        field.digitalCount = 11;
        field.fitParam = 2;
    } else if (field.kind == ekSpacedString) {
        field.xAlign = QStringLiteral("居中");
        if (dataTableName == kBankTransferTable) {
            field.dbFieldName = QStringLiteral("支付密码");
            field.digitalCount = 16;
            field.fitParam = 0;
        } else if (dataTableName == kWaybillTable) {
            field.digitalCount = 6;
            field.fitParam = 0;
        }
    }
}

} // namespace

QList<TemplateField> TemplateDocument::placedFields(int parentId) const
{
    QList<TemplateField> placed;
    std::copy_if(fields.cbegin(), fields.cend(), std::back_inserter(placed),
                 [parentId](const TemplateField &field) { return isPlacedUnder(field, parentId); });
    std::stable_sort(placed.begin(), placed.end(),
                     [](const TemplateField &a, const TemplateField &b) { return a.rect.x < b.rect.x; });
    return placed;
}

QList<TemplateField> TemplateDocument::printedColumns(int gridTag) const
{
    QList<TemplateField> columns;
    std::copy_if(fields.cbegin(), fields.cend(), std::back_inserter(columns),
                 [gridTag](const TemplateField &field) { return isPlacedUnder(field, gridTag) && field.needPrint; });
    return columns;
}

int TemplateDocument::nextTag(bool grid) const
{
    std::optional<int> highest;
    for (const TemplateField &field : fields) {
        if (field.isGrid() == grid && (!highest || field.tag > *highest))
            highest = field.tag;
    }
    if (!highest)
        return grid ? 500 : 1000;
    return *highest + 1;
}

TemplateField &TemplateDocument::addField(EditKindIndex kind)
{
    TemplateField field = NewTemplateField(note.refNo, kind, note.dataTableName);
    field.tag = nextTag(kind == ekGrid);
    fields.append(field);
    return fields.last();
}

void TemplateDocument::forgetStoredIds()
{
    note.autoid = 0;
    for (TemplateField &field : fields)
        field.autoid = 0;
}

TemplateField NewTemplateField(const QString &refNo, EditKindIndex kind, const QString &dataTableName)
{
    TemplateField field = newField(refNo);
    field.kind = kind;
    applyKindDefaults(field, dataTableName);
    return field;
}

TemplateDocument NewTemplateDocument(const QSqlDatabase &db, const QString &userId, const QDate &today)
{
    TemplateDocument document;
    document.note.refNo = QString::number(GetBillSysNo(db));
    document.note.reviseBy = userId;
    document.note.reviseDate = DateToStored(today);
    document.note.isDefault = true;
    return document;
}
