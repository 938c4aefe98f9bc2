#pragma once

#include <QVector>

#include <stdexcept>

#include <optional>

// The table a curve drawer hands to the curve window: 101 rows (0 to 100) by
// columns numbered from 1, in speed/torque pairs; a cell is empty or a number.
class CurveTable {
public:
    static constexpr int Rows = 101;

    explicit CurveTable(int columns = 4);

    int columns() const { return m_columns; }
    void clear();

    void set(int row, int column, double value);
    bool has(int row, int column) const;
    // An empty cell reads as 0.
    double value(int row, int column) const;

private:
    int index(int row, int column) const;

    int m_columns;
    QVector<std::optional<double>> m_cells;
};
