#include "bills/printing/BillLayout.h"

#include "bills/printing/PrintBoxes.h"
#include "bills/printing/PrintTextForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/FieldValue.h"
#include "core/formula/WordBits.h"
#include "core/printfun/Alignment.h"
#include "core/printfun/FontInfo.h"
#include "core/template/EditKindIndex.h"

#include <cmath>

namespace {

const QString kTick = QStringLiteral("√");
constexpr int kTickPointSize = 12;

bool isKind(const TemplateField &field, EditKindIndex kind)
{
    return field.kind == kind;
}

// One row of a data set; a set without rows reads as NULL everywhere.
struct RowView
{
    const DataSet *set = nullptr;
    int row = -1;

    const DataField *field(const QString &name) const
    {
        return set && !name.isEmpty() ? set->findField(name) : nullptr;
    }
    QVariant value(const DataField *field) const
    {
        return row >= 0 ? set->value(row, field) : QVariant();
    }
};

template <typename T>
T as(FieldKind kind, const QVariant &value, T fallback)
{
    const std::optional<QVariant> converted = fieldValueFromInput(kind, value);
    return converted && !converted->isNull() ? converted->value<T>() : fallback;
}

// Amounts with two decimals, everything else in its plain text form; NULL is the empty text.
QString cellText(const DataField *field, const QVariant &value)
{
    if (field->kind() == FieldKind::Currency)
        return value.isNull() ? QString() : value.value<Currency>().toFixed(2);
    return fieldValueText(field->kind(), value);
}

QFont fieldFont(const TemplateField &field)
{
    return field.font ? field.font->toFont() : *DecodeFontInfo(DefaultFontInfo());
}

// Whether a tick field is ticked; none for fields of other kinds.
std::optional<bool> tickState(const TemplateField &field, const DataField *column, const QVariant &value)
{
    if (isKind(field, ekTick))
        return as<bool>(FieldKind::Boolean, value, false);
    if (isKind(field, ekMultiTick))
        return cellText(column, value).trimmed() == field.caption.trimmed();
    if (isKind(field, ekMultiTick2))
        return IsIntegerDigValue1(quint16(as<qint64>(FieldKind::Integer, value, 0)), field.caption.trimmed().toInt());
    return std::nullopt;
}

class Layout
{
public:
    explicit Layout(QList<PrintItem> &items) : m_items(items) {}

    void text(const QString &text, const QRect &rect, const QFont &font, int flags, const QString &textForm)
    {
        const QString printed = ApplyTextForm(text, textForm);
        if (!printed.isEmpty())
            m_items.append({printed, rect, font, flags});
    }

    void boxes(const QList<PrintBox> &boxes, int x, int y, int height, const QFont &font, const QString &textForm)
    {
        for (const PrintBox &box : boxes)
            text(box.text, QRect(x + box.x, y, box.width, height), font, DT_CENTER + DT_VCENTER, textForm);
    }

    void field(const BillLayout::Field &placed, const RowView &header)
    {
        const TemplateField &field = placed.field;
        QFont font = placed.font;
        const int flags = placed.flags;
        const QRect rect = field.rect.toRect();
        const DataField *column = header.field(field.column());
        if (!column) {
            text(field.caption, rect, font, flags, field.textForm);
            return;
        }
        const QVariant value = header.value(column);
        // Boxes sit in the middle of the field's height, measured with the font's point size.
        const int boxTop = rect.y() + (rect.height() - font.pointSize()) / 2;
        const int digits = field.digitalCount.value_or(0);
        if (isKind(field, ekAmount)) {
            boxes(DigitBoxes(as<Currency>(FieldKind::Currency, value, Currency()), rect.width(), digits),
                  rect.x(), boxTop, rect.height(), font, field.textForm);
        } else if (isKind(field, ekSpacedString)) {
            boxes(SpacedBoxes(cellText(column, value).trimmed(), rect.width(), digits), rect.x(), boxTop,
                  rect.height(), font, field.textForm);
        } else if (const std::optional<bool> ticked = tickState(field, column, value)) {
            font.setBold(true);
            font.setPointSize(kTickPointSize);
            text(*ticked ? kTick : QString(), rect, font, flags, field.textForm);
        } else {
            text(cellText(column, value).trimmed(), rect, font, flags, field.textForm);
        }
    }

    void grid(const BillLayout::Field &placed, const DetailRows &detail)
    {
        const TemplateField &grid = placed.field;
        const QList<BillLayout::Field> &gridColumns = placed.columns;
        const DataSet *rows = detail.set;
        if (!rows || rows->isEmpty())
            return;
        const int first = detail.first;
        const int end = detail.count < 0 ? rows->recordCount() : std::min(rows->recordCount(), first + detail.count);
        const int lines = std::max(1, grid.gridLineNum.value_or(0));
        const int height = grid.rect.height.value;
        const int rowHeight = height / lines;
        const double step = double(height) / lines;
        QList<const DataField *> columns;
        for (const BillLayout::Field &column : gridColumns)
            columns.append(rows->fieldByName(column.field.column()));
        for (int row = first; row < end; ++row) {
            const int y = grid.rect.y.value + int(std::nearbyint((row - first) * step));
            for (qsizetype c = 0; c < gridColumns.size(); ++c) {
                const TemplateField &column = gridColumns.at(c).field;
                const QVariant value = rows->value(row, columns.at(c));
                const QFont &font = gridColumns.at(c).font;
                const int x = column.rect.x.value;
                const int width = column.rect.width.value;
                if (isKind(column, ekAmount)) {
                    boxes(DigitBoxes(as<Currency>(FieldKind::Currency, value, Currency()), width,
                                     column.digitalCount.value_or(0)),
                          x, y, rowHeight, font, column.textForm);
                } else {
                    text(cellText(columns.at(c), value).trimmed(), QRect(x, y, width, rowHeight), font,
                         gridColumns.at(c).flags, column.textForm);
                }
            }
        }
    }

private:
    QList<PrintItem> &m_items;
};

DetailRows detailOf(const BillData &bill, int gridTag)
{
    for (const DetailRows &rows : bill.details) {
        if (rows.set && rows.set->tag() == gridTag)
            return rows;
    }
    return {};
}

BillLayout::Field placedField(const TemplateField &field)
{
    return {field, fieldFont(field), GetAlignIntValueByStr(field.xAlign, field.yAlign), {}};
}

} // namespace

BillLayout::BillLayout(const PrintTemplate &tpl)
{
    for (const TemplateField &field : tpl.document.placedFields(0)) {
        if (!isKind(field, ekPlainText) && field.column().isEmpty())
            continue;
        if (isKind(field, ekGrid)) {
            Field grid = placedField(field);
            for (const TemplateField &column : tpl.document.printedColumns(field.tag))
                grid.columns.append(placedField(column));
            m_fields.append(std::move(grid));
        } else if (field.needPrint) {
            m_fields.append(placedField(field));
        }
    }
}

QList<PrintItem> BillLayout::layOut(const BillData &bill) const
{
    QList<PrintItem> items;
    Layout layout(items);
    const bool active = bill.header && bill.header->isActive();
    const RowView header{bill.header, !active ? -1 : bill.headerRow >= 0 ? bill.headerRow : bill.header->recNo() - 1};
    for (const Field &field : m_fields) {
        if (isKind(field.field, ekGrid))
            layout.grid(field, detailOf(bill, field.field.tag));
        else
            layout.field(field, header);
    }
    return items;
}

QList<PrintItem> LayOutBill(const PrintTemplate &tpl, const BillData &bill)
{
    return BillLayout(tpl).layOut(bill);
}
