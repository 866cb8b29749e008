#include "SheetLayout.h"

#include "core/dbfun/BillColumns.h"

SheetLayout::SheetLayout(FormSheet &sheet, FormCanvas &canvas) : m_sheet(sheet), m_canvas(canvas) {}

SheetField &SheetLayout::field(const QString &caption, const QString &column, const QString &editKind, const QRect &rect)
{
    SheetField field;
    field.caption = caption;
    field.column = column;
    field.editKind = editKind;
    field.rect = rect;
    m_sheet.fields.append(field);
    return m_sheet.fields.last();
}

SheetField &SheetLayout::fieldIn(const QString &caption, const QString &column, const QString &editKind, const QRect &box)
{
    return field(caption, column, editKind, box.adjusted(4, 3, -4, -3));
}

SheetField &SheetLayout::entryOnly(const QString &caption, const QString &column, const QString &editKind, const QRect &rect)
{
    SheetField &entry = field(caption, column, editKind, rect);
    entry.printed = false;
    return entry;
}

SheetField &SheetLayout::printOnly(const QString &caption, const QString &column, const QRect &rect)
{
    SheetField &printed = field(caption, column, QStringLiteral("文本显示"), rect);
    printed.shown = false;
    printed.xAlign = QStringLiteral("居中");
    return printed;
}

int SheetLayout::grid(const QString &caption, const QString &detailTable, const QRect &rows, int titleHeight, int lines,
                      const QString &formula)
{
    SheetField &grid = field(caption, detailTable, QStringLiteral("表格"), rows);
    grid.gridTitleHeight = titleHeight;
    grid.gridLines = lines;
    grid.gridFormula = formula;
    // The printed table: title row, data rows, column rules follow with the columns.
    m_canvas.frame(QRect(rows.left(), rows.top() - titleHeight, rows.width(), rows.height() + titleHeight));
    m_canvas.hLine(rows.top(), rows.left(), rows.right());
    for (int line = 1; line < lines; ++line)
        m_canvas.hLine(rows.top() + rows.height() * line / lines, rows.left(), rows.right(), 0.6);
    return int(m_sheet.fields.size()) - 1;
}

SheetField &SheetLayout::gridColumn(int grid, const QString &caption, const QString &column, const QString &editKind,
                                    int left, int width)
{
    const QRect rows = m_sheet.fields.at(grid).rect;
    const int titleHeight = m_sheet.fields.at(grid).gridTitleHeight;
    m_canvas.text(QRect(left, rows.top() - titleHeight, width, titleHeight), caption, 14);
    if (left > rows.left())
        m_canvas.vLine(left, rows.top() - titleHeight, rows.bottom());
    SheetField &result = field(caption, column, editKind, QRect(left, rows.top(), width, rows.height()));
    result.grid = grid;
    return result;
}

QRect SheetLayout::captionCell(const QRect &row, const QString &caption, int captionWidth, int size)
{
    m_canvas.frame(row, 1);
    m_canvas.text(QRect(row.left(), row.top(), captionWidth, row.height()), caption, size);
    m_canvas.vLine(row.left() + captionWidth, row.top(), row.bottom());
    return QRect(row.left() + captionWidth, row.top(), row.width() - captionWidth, row.height());
}

void SheetLayout::datePartsInFigures(const QPoint &at, const QString &dateColumn, const QString &caption)
{
    const int h = 22;
    m_canvas.text(QRect(at.x() - 80, at.y(), 76, h), caption, 14, Qt::AlignRight | Qt::AlignVCenter);
    const struct { int width; QString part; QString word; } parts[] = {
        {50, DATE_FIELDNAME_CH[0], QStringLiteral("年")},
        {34, DATE_FIELDNAME_CH[1], QStringLiteral("月")},
        {34, DATE_FIELDNAME_CH[2], QStringLiteral("日")},
    };
    int x = at.x();
    for (const auto &part : parts) {
        printOnly(caption + part.word, SmallPlaceColumn(dateColumn, part.part), QRect(x, at.y(), part.width, h));
        m_canvas.text(QRect(x + part.width, at.y(), 20, h), part.word, 14);
        x += part.width + 22;
    }
    entryOnly(caption, dateColumn, QStringLiteral("日期编辑"), QRect(at.x(), at.y(), x - at.x(), h)).caption = caption;
}

void SheetLayout::amountRow(const QRect &row, int captionWidth, const QString &amountColumn, int boxesWidth)
{
    m_canvas.frame(row, 1);
    m_canvas.stackedText(QRect(row.left(), row.top() + 4, 28, row.height() - 8), QStringLiteral("金额"), 14);
    m_canvas.vLine(row.left() + 28, row.top(), row.bottom());
    m_canvas.text(QRect(row.left() + 28, row.top(), captionWidth - 28, row.height()), QStringLiteral("人民币\n（大写）"), 14);
    m_canvas.vLine(row.left() + captionWidth, row.top(), row.bottom());
    const int boxesLeft = row.right() - boxesWidth - 4;
    m_canvas.vLine(boxesLeft - 4, row.top(), row.bottom());
    const QRect capital(row.left() + captionWidth, row.top(), boxesLeft - 4 - row.left() - captionWidth, row.height());
    SheetField &words = fieldIn(QStringLiteral("人民币大写"), CapitalAmountColumn(amountColumn), QStringLiteral("文本显示"), capital);
    words.font = QStringLiteral("宋体;12;;;;");
    const int namesHeight = row.height() * 2 / 5;
    m_canvas.placeNames(QRect(boxesLeft, row.top() + 2, boxesWidth, namesHeight - 2), 11);
    const QRect digits(boxesLeft, row.top() + namesHeight, boxesWidth, row.height() - namesHeight - 2);
    m_canvas.cells(digits, 11);
    SheetField &amount = field(QStringLiteral("小写金额"), amountColumn, QStringLiteral("小写金额"), digits);
    amount.digits = 11;
    amount.decimals = 2;
    amount.xAlign = QStringLiteral("居中");
    amount.font = QStringLiteral("宋体;12;;;;");
}
