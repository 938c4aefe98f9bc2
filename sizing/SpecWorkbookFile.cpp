#include "sizing/SpecWorkbookFile.h"

#include "sizing/SheetText.h"
#include "sizing/SpecWorkbook.h"

#include <xlsxwriter.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Pulvane_V4 {

namespace fs = std::filesystem;

namespace {

using Style = SpecSheet::Style;
using Cell = SpecSheet::Cell;

// Shown in place of a number that has no finite value (the format has no such number).
constexpr const char* kNoNumber = "#NUM!";

class Renderer {
public:
    explicit Renderer(lxw_workbook* wb) : m_wb(wb) {}

    bool Book(const SpecWorkbook& book);

private:
    bool Sheet(const SpecSheet& sheet, lxw_worksheet* ws);
    bool Write(lxw_worksheet* ws, const std::string& address, const Cell& cell);
    bool Chart(const SpecSheet::Chart& layout, lxw_worksheet* ws);
    lxw_format* Format(Style style, const std::string& numberFormat);

    lxw_workbook* m_wb;
    std::map<std::pair<Style, std::string>, lxw_format*> m_formats;
    std::map<const SpecSheet*, lxw_worksheet*> m_sheets;
};

std::string SheetRef(const std::string& name)
{
    bool plain = !name.empty();
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            plain = false;
    if (plain)
        return name;
    std::string quoted = "'";
    for (char c : name) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

lxw_format* Renderer::Format(Style style, const std::string& numberFormat)
{
    if (style == Style::Plain && numberFormat.empty())
        return nullptr;
    lxw_format*& f = m_formats[{style, numberFormat}];
    if (f)
        return f;
    f = workbook_add_format(m_wb);
    switch (style) {
    case Style::Title:
        format_set_bold(f);
        format_set_font_size(f, 18);
        format_set_font_color(f, 0x1F3864);
        break;
    case Style::Subtitle:
        format_set_bold(f);
        format_set_font_size(f, 13);
        break;
    case Style::Heading:
        format_set_bold(f);
        format_set_font_color(f, LXW_COLOR_WHITE);
        format_set_bg_color(f, 0x2F5597);
        break;
    case Style::Value:
        format_set_align(f, LXW_ALIGN_RIGHT);
        break;
    case Style::Unit:
        format_set_font_color(f, 0x595959);
        format_set_indent(f, 1);
        break;
    case Style::Note:
        format_set_italic(f);
        format_set_font_size(f, 8);
        format_set_font_color(f, 0x808080);
        break;
    case Style::Label:
    case Style::Plain:
        break;
    }
    if (!numberFormat.empty())
        format_set_num_format(f, numberFormat.c_str());
    return f;
}

bool Renderer::Write(lxw_worksheet* ws, const std::string& address, const Cell& cell)
{
    const lxw_row_t row = lxw_name_to_row(address.c_str());
    const lxw_col_t col = lxw_name_to_col(address.c_str());
    lxw_format* format = Format(cell.style, cell.numberFormat);
    switch (cell.kind) {
    case Cell::Kind::Empty:
        return !format || worksheet_write_blank(ws, row, col, format) == LXW_NO_ERROR;
    case Cell::Kind::Text:
        // Always a string cell: a text beginning with "=" is not a formula.
        return worksheet_write_string(ws, row, col, SheetText::Escaped(cell.text).c_str(), format) == LXW_NO_ERROR;
    case Cell::Kind::Number:
        if (!std::isfinite(cell.number))
            return worksheet_write_string(ws, row, col, kNoNumber, format) == LXW_NO_ERROR;
        return worksheet_write_number(ws, row, col, cell.number, format) == LXW_NO_ERROR;
    case Cell::Kind::Reference:
        break;
    }
    // A formula with the value it shows now, for readers that do not recalculate.
    const std::string target = SheetRef(cell.source->Name()) + "!" + cell.sourceAddress;
    const Cell* source = cell.source->Find(cell.sourceAddress);
    const bool sourceText = source && source->kind == Cell::Kind::Text;
    // The value shown is the source's text, escaped as the source cell itself is.
    const std::string shown = sourceText ? SheetText::Escaped(source->text) : std::string();
    lxw_error err;
    if (cell.textReference) {
        const std::string formula = "=T(" + target + ")";
        err = worksheet_write_formula_str(ws, row, col, formula.c_str(), format, shown.c_str());
    } else {
        const std::string formula = "=" + target;
        if (sourceText)
            err = worksheet_write_formula_str(ws, row, col, formula.c_str(), format, shown.c_str());
        else if (source && source->kind == Cell::Kind::Number && !std::isfinite(source->number))
            err = worksheet_write_formula_str(ws, row, col, formula.c_str(), format, kNoNumber);
        else
            err = worksheet_write_formula_num(ws, row, col, formula.c_str(), format,
                                              source && source->kind == Cell::Kind::Number ? source->number : 0);
    }
    return err == LXW_NO_ERROR;
}

bool Renderer::Chart(const SpecSheet::Chart& layout, lxw_worksheet* ws)
{
    lxw_chart* chart = workbook_add_chart(m_wb, LXW_CHART_SCATTER_STRAIGHT);
    if (!chart)
        return false;
    const std::string data = layout.data->Name();
    const lxw_color_t colors[] = {0x2F5597, 0xC00000, 0x548235};
    std::size_t n = 0;
    for (const SpecSheet::Series& s : layout.series) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        if (!series)
            return false;
        const lxw_row_t first = static_cast<lxw_row_t>(s.firstRow - 1);
        const lxw_row_t last = static_cast<lxw_row_t>(s.lastRow - 1);
        const lxw_col_t x = lxw_name_to_col(s.xColumn.c_str());
        const lxw_col_t y = lxw_name_to_col(s.yColumn.c_str());
        chart_series_set_categories(series, data.c_str(), first, x, last, x);
        chart_series_set_values(series, data.c_str(), first, y, last, y);
        chart_series_set_name(series, s.name.c_str());
        lxw_chart_line line{};
        line.color = colors[n++ % 3];
        line.width = 2.25f;
        chart_series_set_line(series, &line);
    }
    chart_title_set_name(chart, layout.title.c_str());
    chart_axis_set_name(chart->x_axis, layout.xTitle.c_str());
    chart_axis_set_name(chart->y_axis, layout.yTitle.c_str());
    chart_axis_set_min(chart->x_axis, 0);
    chart_axis_set_min(chart->y_axis, 0);
    chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
    chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options options{};
    options.x_scale = layout.xScale;
    options.y_scale = layout.yScale;
    return worksheet_insert_chart_opt(ws, lxw_name_to_row(layout.anchor.c_str()),
                                      lxw_name_to_col(layout.anchor.c_str()), chart, &options)
           == LXW_NO_ERROR;
}

bool Renderer::Sheet(const SpecSheet& sheet, lxw_worksheet* ws)
{
    for (const auto& [column, width] : sheet.ColumnWidths()) {
        const lxw_col_t col = lxw_name_to_col(column.c_str());
        if (worksheet_set_column(ws, col, col, width, nullptr) != LXW_NO_ERROR)
            return false;
    }
    for (const auto& [address, cell] : sheet.Cells())
        if (!Write(ws, address, cell))
            return false;
    if (const SpecSheet::Chart* chart = sheet.GetChart(); chart && !Chart(*chart, ws))
        return false;

    worksheet_set_paper(ws, 1); // Letter
    if (sheet.page.landscape)
        worksheet_set_landscape(ws);
    if (!sheet.page.printArea.empty()) {
        const char* area = sheet.page.printArea.c_str();
        if (worksheet_print_area(ws, lxw_name_to_row(area), lxw_name_to_col(area), lxw_name_to_row_2(area),
                                 lxw_name_to_col_2(area))
            != LXW_NO_ERROR)
            return false;
        worksheet_fit_to_pages(ws, 1, 1);
    } else {
        worksheet_fit_to_pages(ws, 1, 0);
    }
    if (!sheet.page.footer.empty() && worksheet_set_footer(ws, sheet.page.footer.c_str()) != LXW_NO_ERROR)
        return false;
    return true;
}

bool Renderer::Book(const SpecWorkbook& book)
{
    lxw_doc_properties properties{};
    std::string title = book.Title();
    properties.title = title.data();
    if (!title.empty() && workbook_set_properties(m_wb, &properties) != LXW_NO_ERROR)
        return false;

    // Every sheet first: a Specs sheet's formulas may name sheets that follow it.
    for (const auto& sheet : book.Sheets()) {
        lxw_worksheet* ws = workbook_add_worksheet(m_wb, sheet->Name().c_str());
        if (!ws)
            return false;
        m_sheets[sheet.get()] = ws;
    }
    for (const auto& sheet : book.Sheets())
        if (!Sheet(*sheet, m_sheets[sheet.get()]))
            return false;

    // The selected sheet is the active one; a hidden sheet can be neither.
    const SpecSheet* active = book.Selected();
    if (active && active->hidden)
        active = nullptr;
    for (const auto& sheet : book.Sheets())
        if (!active && !sheet->hidden)
            active = sheet.get();
    if (!active)
        return false; // a book needs one visible sheet
    worksheet_activate(m_sheets[active]);
    for (const auto& sheet : book.Sheets())
        if (!sheet->hidden) {
            worksheet_set_first_sheet(m_sheets[sheet.get()]);
            break;
        }
    for (const auto& sheet : book.Sheets())
        if (sheet->hidden)
            worksheet_hide(m_sheets[sheet.get()]);
    return true;
}

// Creates an empty file of a fresh name beside the target; empty when the folder cannot take it.
fs::path TemporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (;;) {
        const fs::path candidate = folder / ("." + target.filename().string() + "."
                                             + std::to_string(::getpid()) + "-"
                                             + std::to_string(counter++) + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST)
            return {};
    }
}

// Whether the target may be replaced, as a spreadsheet program would save over it: a new file,
// or a regular file the user may write. A symbolic link is refused (the rename would replace the
// link, not the file it names), and so is a file marked read-only even where the superuser could
// write it. `mode` gets the permissions an existing file keeps.
bool Replaceable(const fs::path& target, bool& exists, mode_t& mode)
{
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
        exists = false;
        return errno == ENOENT;
    }
    exists = true;
    mode = st.st_mode & 07777;
    return S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
           && ::access(target.c_str(), W_OK) == 0;
}

} // namespace

bool SpecWorkbookFile::Write(const SpecWorkbook& book, const std::string& path)
{
    const fs::path target(path);
    bool exists = false;
    mode_t mode = 0;
    if (path.empty() || !target.has_filename() || !Replaceable(target, exists, mode))
        return false;
    const fs::path temporary = TemporaryBeside(target);
    if (temporary.empty())
        return false;

    bool written = false;
    lxw_workbook* wb = workbook_new(temporary.c_str());
    if (wb) {
        try {
            written = Renderer(wb).Book(book);
        } catch (...) {
            written = false;
        }
        // Closing writes the file; it also frees the book when nothing is to be written.
        written = workbook_close(wb) == LXW_NO_ERROR && written;
    }
    std::error_code ec;
    if (written && exists)
        written = ::chmod(temporary.c_str(), mode) == 0;
    if (written) {
        fs::rename(temporary, target, ec);
        written = !ec;
    }
    if (!written)
        fs::remove(temporary, ec);
    return written;
}

} // namespace Pulvane_V4
