#include "core/dbfun/BillFieldFill.h"

#include "core/convert/AmountRangeError.h"
#include "core/convert/Convert.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dbfun/BillColumns.h"
#include "core/dbfun/CashSlip.h"

#include <optional>

namespace {

struct DerivedText
{
    QString column;
    QString text;
};
using DerivedTexts = QList<DerivedText>;

// Clears FieldChange while it lives and gives back the value it had.
class FillGuard
{
public:
    FillGuard() : m_saved(FieldChange) { FieldChange = false; }
    ~FillGuard() { FieldChange = m_saved; }
    FillGuard(const FillGuard &) = delete;
    FillGuard &operator=(const FillGuard &) = delete;

private:
    bool m_saved;
};

void write(DataSet &dataSet, const DerivedTexts &texts)
{
    for (const DerivedText &derived : texts)
        dataSet.fieldByName(derived.column)->setValue(derived.text);
}

// The field holds the index of the ticked item; anything but an integer ticks none.
DerivedTexts tickTexts(const QString &name, const TableFieldDef &def, const DataField &field)
{
    bool isIndex = false;
    const int ticked = field.asString().trimmed().toInt(&isIndex);
    DerivedTexts texts;
    const QStringList items = CheckItemsOf(def.checkItems);
    for (int i = 0; i < items.size(); ++i)
        texts.append({CheckItemColumn(name, items[i]), isIndex && i == ticked ? QStringLiteral("√") : QString()});
    return texts;
}

// One character per column (a character outside the basic plane stays whole too).
DerivedTexts splitTexts(const QString &name, const TableFieldDef &def, const DataField &field)
{
    const QList<uint> characters = field.asString().toUcs4();
    DerivedTexts texts;
    for (int i = 1; i <= def.len; ++i) {
        const char32_t character = i <= characters.size() ? char32_t(characters[i - 1]) : 0;
        texts.append({SplitCharColumn(name, i), i <= characters.size() ? QString::fromUcs4(&character, 1) : QString()});
    }
    return texts;
}

// No amount: every derived text empty.
DerivedTexts amountTexts(const QString &name, const TableFieldDef &def, std::optional<Currency> amount)
{
    const QString small = def.smallType.trimmed();
    const QString big = def.bigType.trimmed();
    const auto place = [&](int pos, QString (*text)(Currency, int)) { return amount ? text(*amount, pos) : QString(); };
    DerivedTexts texts;
    if (small == QStringLiteral("小写拆分")) {
        for (int pos = 0; pos < int(MONEY_FIELDNAME_CH.size()); ++pos)
            texts.append({SmallPlaceColumn(name, MONEY_FIELDNAME_CH[pos]), place(pos, SmallmoneyStr)});
    }
    if (big == QStringLiteral("大写合并") || big == QStringLiteral("合并+拆分"))
        texts.append({CapitalAmountColumn(name), amount ? BigMoneyAllStr(*amount) : QString()});
    int capitalPlaces = 0;
    if (big == QStringLiteral("大写拆分") || big == QStringLiteral("合并+拆分"))
        capitalPlaces = int(MONEY_FIELDNAME_CH.size());
    else if (big == QStringLiteral("大写拆分2"))
        capitalPlaces = ShortCapitalPlaceCount;
    for (int pos = 0; pos < capitalPlaces; ++pos)
        texts.append({CapitalPlaceColumn(name, MONEY_FIELDNAME_CH[pos]), place(pos, BigMoneyDisStr)});
    return texts;
}

void fillAmount(DataSet &dataSet, const QString &name, const TableFieldDef &def, const DataField &field)
{
    DerivedTexts texts;
    try {
        texts = amountTexts(name, def, field.isNull() ? std::nullopt : std::optional(field.asCurrency()));
    } catch (const AmountRangeError &) {
        write(dataSet, amountTexts(name, def, std::nullopt));
        throw;
    }
    write(dataSet, texts);
}

// An invalid date (no date) gives empty parts.
DerivedTexts dateTexts(const QString &name, const TableFieldDef &def, const QDate &date)
{
    const QString small = def.smallType.trimmed();
    const QString big = def.bigType.trimmed();
    const auto part = [&](int i, QString (*text)(const QDate &, int)) { return date.isValid() ? text(date, i) : QString(); };
    DerivedTexts texts;
    if (small == QStringLiteral("小写拆分")) {
        for (int i = 0; i < int(DATE_FIELDNAME_CH.size()); ++i)
            texts.append({SmallPlaceColumn(name, DATE_FIELDNAME_CH[i]), part(i, SmallDateDisStr)});
    }
    if (big == QStringLiteral("大写合并"))
        texts.append({CapitalDateColumn(name), date.isValid() ? date.toString(QStringLiteral("yyyy年MM月dd日")) : QString()});
    if (big == QStringLiteral("大写拆分")) {
        for (int i = 0; i < int(DATE_FIELDNAME_CH.size()); ++i)
            texts.append({CapitalPlaceColumn(name, DATE_FIELDNAME_CH[i]), part(i, BigDateDisStr)});
    }
    return texts;
}

} // namespace

BillFieldFill::BillFieldFill(const QSqlDatabase &db, const QString &table)
    : BillFieldFill(table, ReadTableFieldDefs(db, table))
{
}

BillFieldFill::BillFieldFill(QString table, QList<TableFieldDef> defs) : m_table(std::move(table)), m_defs(std::move(defs)) {}

void BillFieldFill::fieldChanged(DataSet &dataSet, DataField *changed) const
{
    if (!changed || !FieldChange)
        return;
    CashSlipFieldChange(dataSet, m_table, changed);
    const auto def = std::find_if(m_defs.cbegin(), m_defs.cend(), [&](const TableFieldDef &candidate) {
        return candidate.fieldName.trimmed().compare(changed->name(), Qt::CaseInsensitive) == 0;
    });
    if (def == m_defs.cend() || def->type == 1)
        return;
    const QString name = def->fieldName.trimmed();
    const QString fieldType = def->fieldType.trimmed();
    const FillGuard guard;
    if (fieldType == QStringLiteral("复选框"))
        write(dataSet, tickTexts(name, *def, *changed));
    else if (fieldType == QStringLiteral("拆分字符串"))
        write(dataSet, splitTexts(name, *def, *changed));
    switch (changed->kind()) {
    case FieldKind::Currency:
        fillAmount(dataSet, name, *def, *changed);
        break;
    case FieldKind::Date:
    case FieldKind::DateTime:
        write(dataSet, dateTexts(name, *def, changed->isNull() ? QDate() : changed->asDate()));
        break;
    default:
        break;
    }
}
