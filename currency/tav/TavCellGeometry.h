#pragma once

// Where the digit cells and the grid lines between them lie, in pixels from the left edge of the
// cell area. Cells are numbered from 0 at the left. With automatic cells the pixels that the
// division leaves over go to the leftmost cell (the left offset strip).
class TavCellGeometry
{
public:
    // Cells that share `width` pixels.
    static TavCellGeometry Automatic(int width, int cells, int lineWidth);
    // Cells of a fixed width; the area is then exactly TotalWidth() wide.
    static TavCellGeometry Fixed(int cellWidth, int cells, int lineWidth);

    int Cells() const { return m_cells; }
    int CellWidth() const { return m_cellWidth; }
    int LeftOffset() const { return m_leftOffset; }
    int LineWidth() const { return m_lineWidth; }
    int TotalWidth() const;

    // The cell as text is written into it: cell 0 starts at 0 and takes the left offset strip.
    int CellLeft(int cell) const;
    int CellSpan(int cell) const;
    // The cell-width column of a cell, the left offset strip excluded (cursor, clicks, headers).
    int ColumnLeft(int cell) const;
    // Left pixel of the grid line left of cell i (1 .. Cells() - 1); it is LineWidth() wide.
    int LineX(int i) const;
    // The cell whose column holds x, or -1 on a grid line, in the offset strip or outside.
    int CellAt(int x) const;

private:
    TavCellGeometry(int cells, int cellWidth, int leftOffset, int lineWidth);

    int m_cells;
    int m_cellWidth;
    int m_leftOffset;
    int m_lineWidth;
};
