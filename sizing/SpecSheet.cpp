#include "sizing/SpecSheet.h"

#include "sizing/SheetText.h"
#include "sizing/SizingError.h"

namespace Pulvane_V4 {

SpecSheet::SpecSheet(std::string name) : m_name(std::move(name)) {}

SpecSheet::Cell& SpecSheet::At(const std::string& address)
{
    return m_cells[address];
}

void SpecSheet::SetText(const std::string& address, const std::string& text, Style style)
{
    std::string stored = SheetText::Utf8(text);
    // Refused here, so that the export fails and not the save of a whole family later.
    if (SheetText::Length(SheetText::Escaped(stored)) > SheetText::kCellLimit)
        throw SizingError("Spec sheet: the text for " + m_name + "!" + address + " is longer than a cell holds");
    Cell& cell = At(address);
    cell.kind = stored.empty() ? Cell::Kind::Empty : Cell::Kind::Text;
    cell.text = std::move(stored);
    if (style != Style::Plain)
        cell.style = style;
}

void SpecSheet::SetNumber(const std::string& address, double number)
{
    Cell& cell = At(address);
    cell.kind = Cell::Kind::Number;
    cell.text.clear();
    cell.number = number;
}

void SpecSheet::SetReference(const std::string& address, const SpecSheet& source,
                             const std::string& sourceAddress, Style style,
                             const std::string& numberFormat)
{
    Cell& cell = At(address);
    cell.kind = Cell::Kind::Reference;
    cell.source = &source;
    cell.sourceAddress = sourceAddress;
    cell.textReference = false;
    cell.style = style;
    cell.numberFormat = numberFormat;
}

void SpecSheet::SetTextReference(const std::string& address, const SpecSheet& source,
                                 const std::string& sourceAddress, Style style)
{
    SetReference(address, source, sourceAddress, style, {});
    At(address).textReference = true;
}

namespace {

std::string Address(char column, int row)
{
    return std::string(1, column) + std::to_string(row);
}

} // namespace

void SpecSheet::SetRow(char firstColumn, int row, double value, const std::string& unit,
                       const std::string& description)
{
    SetNumber(Address(firstColumn, row), value);
    SetText(Address(static_cast<char>(firstColumn + 1), row), unit);
    SetText(Address(static_cast<char>(firstColumn + 2), row), description);
}

void SpecSheet::SetRow(char firstColumn, int row, const std::string& value, const std::string& unit,
                       const std::string& description)
{
    SetText(Address(firstColumn, row), value);
    SetText(Address(static_cast<char>(firstColumn + 1), row), unit);
    SetText(Address(static_cast<char>(firstColumn + 2), row), description);
}

void SpecSheet::SetFormat(const std::string& address, Style style, const std::string& numberFormat)
{
    Cell& cell = At(address);
    cell.style = style;
    cell.numberFormat = numberFormat;
}

const SpecSheet::Cell* SpecSheet::Find(const std::string& address) const
{
    const auto it = m_cells.find(address);
    return it == m_cells.end() ? nullptr : &it->second;
}

void SpecSheet::SetColumnWidth(const std::string& column, double width)
{
    m_widths[column] = width;
}

void SpecSheet::SetChart(Chart chart)
{
    m_chart = std::move(chart);
    m_hasChart = true;
}

} // namespace Pulvane_V4
