#include "curves/CurveTable.h"

CurveTable::CurveTable(int columns)
    : m_columns(columns), m_cells(Rows * columns)
{
}

void CurveTable::clear()
{
    m_cells.fill(std::nullopt);
}

int CurveTable::index(int row, int column) const
{
    if (row < 0 || row >= Rows || column < 1 || column > m_columns)
        return -1;
    return row * m_columns + (column - 1);
}

void CurveTable::set(int row, int column, double value)
{
    const int i = index(row, column);
    // A curve with more points than the table holds is a fault of its data.
    if (i < 0)
        throw std::out_of_range("curve table cell out of range");
    m_cells[i] = value;
}

bool CurveTable::has(int row, int column) const
{
    const int i = index(row, column);
    return i >= 0 && m_cells[i].has_value();
}

double CurveTable::value(int row, int column) const
{
    const int i = index(row, column);
    return i >= 0 && m_cells[i] ? *m_cells[i] : 0.0;
}
