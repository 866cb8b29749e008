#include "tav/TavCellGeometry.h"

TavCellGeometry::TavCellGeometry(int cells, int cellWidth, int leftOffset, int lineWidth)
    : m_cells(cells), m_cellWidth(cellWidth), m_leftOffset(leftOffset), m_lineWidth(lineWidth)
{
}

TavCellGeometry TavCellGeometry::Automatic(int width, int cells, int lineWidth)
{
    const int available = width - (cells - 1) * lineWidth;
    const int cellWidth = available / cells;
    return TavCellGeometry(cells, cellWidth, available - cells * cellWidth, lineWidth);
}

TavCellGeometry TavCellGeometry::Fixed(int cellWidth, int cells, int lineWidth)
{
    return TavCellGeometry(cells, cellWidth, 0, lineWidth);
}

int TavCellGeometry::TotalWidth() const
{
    return m_cellWidth * m_cells + (m_cells - 1) * m_lineWidth + m_leftOffset;
}

int TavCellGeometry::CellLeft(int cell) const
{
    return cell == 0 ? 0 : ColumnLeft(cell);
}

int TavCellGeometry::CellSpan(int cell) const
{
    return cell == 0 ? m_cellWidth + m_leftOffset : m_cellWidth;
}

int TavCellGeometry::ColumnLeft(int cell) const
{
    return cell * (m_cellWidth + m_lineWidth) + m_leftOffset;
}

int TavCellGeometry::LineX(int i) const
{
    return ColumnLeft(i) - m_lineWidth;
}

int TavCellGeometry::CellAt(int x) const
{
    for (int i = 0; i < m_cells; ++i) {
        const int left = ColumnLeft(i);
        if (x >= left && x < left + m_cellWidth)
            return i;
    }
    return -1;
}
