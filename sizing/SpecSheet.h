#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Pulvane_V4 {

// One sheet of a spec-sheet work book, held in memory until the book is saved: cells by
// address ("B7"), column widths, page setup and at most one chart.
class SpecSheet {
public:
    enum class Style { Plain, Title, Subtitle, Heading, Label, Value, Unit, Note };

    struct Cell {
        enum class Kind { Empty, Text, Number, Reference };
        Kind kind = Kind::Empty;
        std::string text;
        double number = 0;
        // A reference shows another sheet's cell and follows that sheet through renames.
        const SpecSheet* source = nullptr;
        std::string sourceAddress;
        bool textReference = false; // shows the source's text, or nothing

        Style style = Style::Plain;
        std::string numberFormat;
    };

    // A curve from two columns of a data sheet, rows firstRow to lastRow (1-based).
    struct Series {
        std::string name;
        std::string xColumn, yColumn;
        int firstRow = 0, lastRow = 0;
    };

    // A scatter chart with straight lines, fed by one data sheet.
    struct Chart {
        const SpecSheet* data = nullptr;
        std::string title, xTitle, yTitle;
        std::vector<Series> series;
        std::string anchor;
        double xScale = 1, yScale = 1;
    };

    struct PageSetup {
        bool landscape = false;
        std::string printArea; // "A1:H50", empty for the used range
        std::string footer;
    };

    explicit SpecSheet(std::string name);
    SpecSheet(const SpecSheet&) = delete;
    SpecSheet& operator=(const SpecSheet&) = delete;

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }

    // Values keep the cell's format. An empty text empties the cell, as writing "" into a
    // spreadsheet cell does. Texts are stored as UTF-8 (see SheetText); one longer than a cell
    // holds raises SizingError.
    void SetText(const std::string& address, const std::string& text, Style style = Style::Plain);
    void SetNumber(const std::string& address, double number);
    void SetReference(const std::string& address, const SpecSheet& source,
                      const std::string& sourceAddress, Style style, const std::string& numberFormat);
    void SetTextReference(const std::string& address, const SpecSheet& source,
                          const std::string& sourceAddress, Style style);
    // Value, unit and description of one quantity in three adjacent columns ('B' for B, C, D).
    void SetRow(char firstColumn, int row, double value, const std::string& unit,
                const std::string& description);
    void SetRow(char firstColumn, int row, const std::string& value, const std::string& unit,
                const std::string& description);

    // Layout of the template: style and number format that later values keep.
    void SetFormat(const std::string& address, Style style, const std::string& numberFormat = {});

    const Cell* Find(const std::string& address) const;
    const std::map<std::string, Cell>& Cells() const { return m_cells; }

    void SetColumnWidth(const std::string& column, double width);
    const std::map<std::string, double>& ColumnWidths() const { return m_widths; }

    void SetChart(Chart chart);
    const Chart* GetChart() const { return m_hasChart ? &m_chart : nullptr; }

    PageSetup page;
    bool hidden = false;

private:
    Cell& At(const std::string& address);

    std::string m_name;
    std::map<std::string, Cell> m_cells;
    std::map<std::string, double> m_widths;
    Chart m_chart;
    bool m_hasChart = false;
};

} // namespace Pulvane_V4
