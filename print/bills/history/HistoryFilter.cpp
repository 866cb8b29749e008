#include "bills/history/HistoryFilter.h"

#include "core/errors/CorvaneError.h"
#include "core/money/Currency.h"
#include "core/text/TypedNumber.h"

namespace {

class ConditionBuilder
{
public:
    explicit ConditionBuilder(const HistoryKind &kind) : m_groups(kind.groups) {}

    void add(int group, const QString &clause, const QVariant &value)
    {
        if (m_groups & group) {
            m_condition.text += QStringLiteral(" and ") + clause;
            m_condition.params.append(value);
        }
    }
    void addText(int group, const QString &column, const QString &text)
    {
        if (!text.isEmpty())
            add(group, column + QStringLiteral(" = ?"), text);
    }
    void addContains(const QString &column, const QString &text)
    {
        if (text.isEmpty())
            return;
        QString pattern = text;
        pattern.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        pattern.replace(QLatin1Char('%'), QStringLiteral("\\%"));
        pattern.replace(QLatin1Char('_'), QStringLiteral("\\_"));
        add(PartBoxes, column + QStringLiteral(" like ? escape '\\'"), QLatin1Char('%') + pattern + QLatin1Char('%'));
    }
    void addAmounts(const QString &column, const HistoryFilterBoxes &boxes)
    {
        addAmount(column + QStringLiteral(" <= ?"), boxes.amountTo);
        addAmount(column + QStringLiteral(" >= ?"), boxes.amountFrom);
    }
    // Dates are stored as ISO text, with or without a time of day: the end date takes in its
    // whole day.
    void addDates(const QString &column, const HistoryFilterBoxes &boxes)
    {
        if (boxes.startDate.isValid())
            add(DateBoxes, column + QStringLiteral(" >= ?"), boxes.startDate.toString(Qt::ISODate));
        if (boxes.endDate.isValid())
            add(DateBoxes, column + QStringLiteral(" < ?"), boxes.endDate.addDays(1).toString(Qt::ISODate));
    }
    void addRaw(int group, const QString &clause)
    {
        if (m_groups & group)
            m_condition.text += QStringLiteral(" and ") + clause;
    }
    SqlCondition take() { return std::move(m_condition); }

private:
    void addAmount(const QString &clause, const QString &text)
    {
        const QString typed = text.trimmed();
        if (typed.isEmpty())
            return;
        const std::optional<QString> plain = NormalizeTypedNumber(typed);
        const std::optional<Currency> amount = plain ? Currency::parse(*plain) : std::nullopt;
        if (!amount)
            throw CorvaneError(QStringLiteral("金额不是数字：%1").arg(typed));
        add(AmountBoxes, clause, amount->toDouble());
    }

    int m_groups;
    SqlCondition m_condition{QStringLiteral("1=1"), {}};
};

void addParts(ConditionBuilder &builder, const QString &prefix, const HistoryFilterBoxes &boxes)
{
    builder.addContains(prefix + QStringLiteral("产品编号"), boxes.partNo);
    builder.addContains(prefix + QStringLiteral("品名"), boxes.partName);
    builder.addContains(prefix + QStringLiteral("规格"), boxes.partStandard);
}

void addPaymentAmountsAndDates(ConditionBuilder &builder, const HistoryFilterBoxes &boxes)
{
    builder.addAmounts(QStringLiteral("a.金额"), boxes);
    builder.addDates(QStringLiteral("a.付款日期"), boxes);
}

} // namespace

SqlCondition BuildHistoryFilter(const HistoryKind &kind, const HistoryFilterBoxes &boxes)
{
    ConditionBuilder builder(kind);
    switch (kind.filter) {
    case HistoryFilterKind::Cheque:
        if (boxes.voidFlag == QStringLiteral("作废"))
            builder.addRaw(VoidBox, QStringLiteral("a.dis = 1"));
        else if (boxes.voidFlag == QStringLiteral("未作废"))
            builder.addRaw(VoidBox, QStringLiteral("ifnull(a.dis,0) = 0"));
        builder.addText(PayeeBoxes, QStringLiteral("a.收款人名称"), boxes.payee);
        builder.addText(PayeeBoxes, QStringLiteral("a.付款银行"), boxes.account);
        addPaymentAmountsAndDates(builder, boxes);
        break;
    case HistoryFilterKind::Payment:
        builder.addText(PartyBoxes, QStringLiteral("a.收款人名称"), boxes.drawer);
        builder.addText(PartyBoxes, QStringLiteral("a.付款人名称"), boxes.receiver);
        addPaymentAmountsAndDates(builder, boxes);
        break;
    case HistoryFilterKind::Waybill:
        builder.addText(WaybillBoxes, QStringLiteral("a.收件人名称"), boxes.consignee);
        builder.addText(WaybillBoxes, QStringLiteral("a.NoteTypeName"), boxes.waybillType);
        builder.addDates(QStringLiteral("a.寄件日期"), boxes);
        break;
    case HistoryFilterKind::Delivery:
        builder.addText(CustomerBox, QStringLiteral("a.收货单位"), boxes.customer);
        builder.addAmounts(QStringLiteral("a.合计金额"), boxes);
        builder.addDates(QStringLiteral("a.出货日期"), boxes);
        addParts(builder, QStringLiteral("c."), boxes);
        break;
    case HistoryFilterKind::Receipt:
        // Receipts name their supplier where deliveries name the customer.
        builder.addText(CustomerBox, QStringLiteral("a.供货单位"), boxes.customer);
        builder.addDates(QStringLiteral("a.日期"), boxes);
        addParts(builder, QStringLiteral("c."), boxes);
        break;
    case HistoryFilterKind::Stock:
        addParts(builder, QString(), boxes);
        return builder.take();
    }
    if (boxes.audit == QStringLiteral("已审核"))
        builder.addRaw(DateBoxes, QStringLiteral("a.flag=1"));
    else if (boxes.audit == QStringLiteral("未审核"))
        builder.addRaw(DateBoxes, QStringLiteral("a.flag=-1"));
    return builder.take();
}
