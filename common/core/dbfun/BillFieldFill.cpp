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
DerivedTexts tickTexts(const QStringList &columns, const DataField &field)
{
    bool isIndex = false;
    const int ticked = field.asString().trimmed().toInt(&isIndex);
    DerivedTexts texts;
    for (int i = 0; i < columns.size(); ++i)
        texts.append({columns[i], isIndex && i == ticked ? QStringLiteral("√") : QString()});
    return texts;
}

// One character per column (a character outside the basic plane stays whole too).
DerivedTexts splitTexts(const QStringList &columns, const DataField &field)
{
    const QList<uint> characters = field.asString().toUcs4();
    DerivedTexts texts;
    for (int i = 0; i < columns.size(); ++i) {
        const char32_t character = i < characters.size() ? char32_t(characters[i]) : 0;
        texts.append({columns[i], i < characters.size() ? QString::fromUcs4(&character, 1) : QString()});
    }
    return texts;
}

// No amount: every derived text empty.
DerivedTexts amountTexts(const QStringList &smallPlaces, const QString &capitalAmount, const QStringList &capitalPlaces,
                         std::optional<Currency> amount)
{
    const auto place = [&](int pos, QString (*text)(Currency, int)) { return amount ? text(*amount, pos) : QString(); };
    DerivedTexts texts;
    for (int pos = 0; pos < int(smallPlaces.size()); ++pos)
        texts.append({smallPlaces[pos], place(pos, SmallmoneyStr)});
    if (!capitalAmount.isEmpty())
        texts.append({capitalAmount, amount ? BigMoneyAllStr(*amount) : QString()});
    for (int pos = 0; pos < int(capitalPlaces.size()); ++pos)
        texts.append({capitalPlaces[pos], place(pos, BigMoneyDisStr)});
    return texts;
}

// An invalid date (no date) gives empty parts.
DerivedTexts dateTexts(const QStringList &smallParts, const QString &capitalDate, const QStringList &capitalParts,
                       const QDate &date)
{
    const auto part = [&](int i, QString (*text)(const QDate &, int)) { return date.isValid() ? text(date, i) : QString(); };
    DerivedTexts texts;
    for (int i = 0; i < int(smallParts.size()); ++i)
        texts.append({smallParts[i], part(i, SmallDateDisStr)});
    if (!capitalDate.isEmpty())
        texts.append({capitalDate, date.isValid() ? date.toString(QStringLiteral("yyyy年MM月dd日")) : QString()});
    for (int i = 0; i < int(capitalParts.size()); ++i)
        texts.append({capitalParts[i], part(i, BigDateDisStr)});
    return texts;
}

} // namespace

BillFieldFill::Rule BillFieldFill::ruleOf(const TableFieldDef &def)
{
    Rule rule;
    rule.def = def;
    const QString name = def.fieldName.trimmed();
    rule.fieldType = def.fieldType.trimmed();
    const QString small = def.smallType.trimmed();
    const QString big = def.bigType.trimmed();
    if (rule.fieldType == QStringLiteral("复选框"))
        for (const QString &item : CheckItemsOf(def.checkItems))
            rule.tickColumns.append(CheckItemColumn(name, item));
    else if (rule.fieldType == QStringLiteral("拆分字符串"))
        for (int i = 1; i <= def.len; ++i)
            rule.charColumns.append(SplitCharColumn(name, i));

    // The field's kind at the change decides whether the amount or the date columns are filled.
    if (small == QStringLiteral("小写拆分")) {
        for (const QString &place : MONEY_FIELDNAME_CH)
            rule.smallPlaces.append(SmallPlaceColumn(name, place));
        for (const QString &part : DATE_FIELDNAME_CH)
            rule.smallParts.append(SmallPlaceColumn(name, part));
    }
    if (big == QStringLiteral("大写合并") || big == QStringLiteral("合并+拆分"))
        rule.capitalAmount = CapitalAmountColumn(name);
    int capitalPlaces = 0;
    if (big == QStringLiteral("大写拆分") || big == QStringLiteral("合并+拆分"))
        capitalPlaces = int(MONEY_FIELDNAME_CH.size());
    else if (big == QStringLiteral("大写拆分2"))
        capitalPlaces = ShortCapitalPlaceCount;
    for (int pos = 0; pos < capitalPlaces; ++pos)
        rule.capitalPlaces.append(CapitalPlaceColumn(name, MONEY_FIELDNAME_CH[pos]));
    if (big == QStringLiteral("大写合并"))
        rule.capitalDate = CapitalDateColumn(name);
    if (big == QStringLiteral("大写拆分"))
        for (const QString &part : DATE_FIELDNAME_CH)
            rule.capitalParts.append(CapitalPlaceColumn(name, part));
    return rule;
}

BillFieldFill::BillFieldFill(const QSqlDatabase &db, const QString &table)
    : BillFieldFill(table, ReadTableFieldDefs(db, table))
{
}

BillFieldFill::BillFieldFill(QString table, QList<TableFieldDef> defs)
    : m_table(std::move(table)), m_cashSlip(m_table.compare(QStringLiteral("现金缴款单"), Qt::CaseInsensitive) == 0)
{
    m_rules.reserve(defs.size());
    for (const TableFieldDef &def : std::as_const(defs)) {
        // The first definition of a name wins, as a search from the first one finds it.
        const QString key = def.fieldName.trimmed().toCaseFolded();
        if (!m_ruleOfField.contains(key))
            m_ruleOfField.insert(key, m_rules.size());
        m_rules.append(ruleOf(def));
    }
}

void BillFieldFill::fieldChanged(DataSet &dataSet, DataField *changed) const
{
    if (!changed || !FieldChange)
        return;
    if (m_cashSlip)
        CashSlipFieldChange(dataSet, m_table, changed);
    const auto found = m_ruleOfField.constFind(changed->foldedName());
    if (found == m_ruleOfField.cend())
        return;
    const Rule &rule = m_rules[*found];
    if (rule.def.type == 1)
        return;
    const FillGuard guard;
    if (rule.fieldType == QStringLiteral("复选框"))
        write(dataSet, tickTexts(rule.tickColumns, *changed));
    else if (rule.fieldType == QStringLiteral("拆分字符串"))
        write(dataSet, splitTexts(rule.charColumns, *changed));
    switch (changed->kind()) {
    case FieldKind::Currency: {
        DerivedTexts texts;
        try {
            texts = amountTexts(rule.smallPlaces, rule.capitalAmount, rule.capitalPlaces,
                                changed->isNull() ? std::nullopt : std::optional(changed->asCurrency()));
        } catch (const AmountRangeError &) {
            write(dataSet, amountTexts(rule.smallPlaces, rule.capitalAmount, rule.capitalPlaces, std::nullopt));
            throw;
        }
        write(dataSet, texts);
        break;
    }
    case FieldKind::Date:
    case FieldKind::DateTime:
        write(dataSet, dateTexts(rule.smallParts, rule.capitalDate, rule.capitalParts,
                                 changed->isNull() ? QDate() : changed->asDate()));
        break;
    default:
        break;
    }
}
