#include "core/template/TemplateRecord.h"

#include "core/db/AdoFunc.h"
#include "core/db/StoredValue.h"
#include "core/printfun/FontInfo.h"
#include "core/template/EditKindIndex.h"

namespace {
const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");
const QString kBankTransferTable = QStringLiteral("银行转帐单");
const QString kWaybillTable = QStringLiteral("快递单");
}

QVariantMap NewTemplateRow(const QSqlDatabase &db, const QString &userId, const QDate &today)
{
    return {
        {QStringLiteral("RefNo"), QString::number(GetBillSysNo(db))},
        {QStringLiteral("ReviseBy"), userId},
        {QStringLiteral("ReviseDate"), DateToStored(today)},
        {QStringLiteral("default"), kYes},
        {QStringLiteral("Xmove"), 0.0},
        {QStringLiteral("Ymove"), 0.0},
    };
}

QVariantMap NewTemplateFieldRow(const QString &refNo)
{
    return {
        {QStringLiteral("RefNo"), refNo},
        {QStringLiteral("ParentId"), 0},
        {QStringLiteral("xAlign"), QStringLiteral("居左")},
        {QStringLiteral("yAlign"), QStringLiteral("居中")},
        {QStringLiteral("FieldEditType"), EditKindName(ekTextDisplay)},
        {QStringLiteral("NeedPrint"), kYes},
        {QStringLiteral("NeedShow"), kYes},
        {QStringLiteral("DropDownLevel"), 1},
        {QStringLiteral("InitType"), 0},
        {QStringLiteral("CtlFontName"), DefaultFontInfo()},
        {QStringLiteral("MultiLine"), kNo},
    };
}

void ApplyNewFieldKind(QVariantMap &field, const QString &kind, const QString &dataTableName)
{
    field.insert(QStringLiteral("FieldEditType"), kind);
    if (kind == EditKindName(ekAmount)) {
        field.insert(QStringLiteral("DbFieldName"), QStringLiteral("金额"));
        field.insert(QStringLiteral("xAlign"), QStringLiteral("居中"));
        field.insert(QStringLiteral("DigitalCount"), 11);
        field.insert(QStringLiteral("FitParam"), 2);
    } else if (kind == EditKindName(ekSpacedString)) {
        field.insert(QStringLiteral("xAlign"), QStringLiteral("居中"));
        if (dataTableName == kBankTransferTable) {
            field.insert(QStringLiteral("DbFieldName"), QStringLiteral("支付密码"));
            field.insert(QStringLiteral("DigitalCount"), 16);
            field.insert(QStringLiteral("FitParam"), 0);
        } else if (dataTableName == kWaybillTable) {
            field.insert(QStringLiteral("DigitalCount"), 6);
            field.insert(QStringLiteral("FitParam"), 0);
        }
    }
}

void ApplyFieldKindChange(QVariantMap &field, const QString &kind)
{
    field.insert(QStringLiteral("FieldEditType"), kind);
    if (kind == EditKindName(ekAmount))
        field.insert(QStringLiteral("DigitalCount"), 11);
    else if (kind == EditKindName(ekCheckGroup))
        field.insert(QStringLiteral("NeedPrint"), kNo);
    else if (kind == EditKindName(ekPlainText))
        field.insert(QStringLiteral("xAlign"), QStringLiteral("居右"));
}
