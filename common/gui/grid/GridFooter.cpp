#include "gui/grid/GridFooter.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "gui/grid/DataGrid.h"

#include <QHeaderView>
#include <QPainter>

GridFooter::GridFooter(DataGrid *grid) : QWidget(grid), m_grid(grid)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    QHeaderView *header = grid->horizontalHeader();
    const auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(header, &QHeaderView::sectionCountChanged, this, repaint);
}

void GridFooter::setItems(const QList<FooterItem> &items)
{
    m_items = items;
    refresh();
}

void GridFooter::refresh()
{
    m_texts.clear();
    m_alignments.clear();
    DataSet *dataSet = m_grid->dataSet();
    const int columns = m_grid->model() ? m_grid->model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        const DataField *field = m_grid->fieldOfColumn(column);
        for (const FooterItem &item : std::as_const(m_items)) {
            if (!dataSet || !field || item.field.compare(field->name(), Qt::CaseInsensitive) != 0)
                continue;
            // A long list's figures come a moment later (the grid refreshes on figuresKnown).
            text = KnownFooterText(*dataSet, *field, item).value_or(QString());
            if (item.kind != FooterItem::Text)
                alignment = Qt::AlignRight | Qt::AlignVCenter;
        }
        m_texts.append(text);
        m_alignments.append(alignment);
    }
    update();
}

QString GridFooter::textOf(int column) const
{
    return m_texts.value(column);
}

QRect GridFooter::cellRect(int column) const
{
    const QHeaderView *header = m_grid->horizontalHeader();
    if (column < 0 || column >= header->count() || header->isSectionHidden(column))
        return {};
    const int left = m_grid->viewport()->geometry().left() + header->sectionViewportPosition(column);
    return QRect(left, 0, header->sectionSize(column), height());
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = m_grid->viewport()->geometry();
    painter.setClipRect(QRect(area.left(), 0, area.width(), height()));
    painter.setPen(palette().color(QPalette::Mid));
    for (int column = 0; column < m_texts.size(); ++column) {
        const QRect cell = cellRect(column);
        if (cell.isEmpty())
            continue;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(cell.adjusted(3, 0, -3, 0), int(m_alignments.value(column)), m_texts[column]);
    }
}
