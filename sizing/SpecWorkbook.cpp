#include "sizing/SpecWorkbook.h"

#include "sizing/SizingError.h"
#include "sizing/SpecTemplate.h"
#include "sizing/SpecWorkbookFile.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace Pulvane_V4 {

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

SpecWorkbook::SpecWorkbook() = default;
SpecWorkbook::~SpecWorkbook() = default;

void SpecWorkbook::OpenWorkBook(const std::string& fileName)
{
    SpecTemplate::WorkBook book = SpecTemplate::OpenWorkBook(fileName);
    m_title = book.title;
    m_sheets = std::move(book.sheets);
    m_selected = m_sheets.empty() ? nullptr : m_sheets.front().get();
}

void SpecWorkbook::MoveTemplateBefore(const std::string& templateFileName, int before)
{
    if (before < 1 || before > Count())
        throw SizingError("Spec sheet: the work book has no sheet " + std::to_string(before));
    std::vector<std::unique_ptr<SpecSheet>> sheets = SpecTemplate::OpenTemplate(templateFileName);
    for (const auto& sheet : sheets)
        if (FindSheet(sheet->Name()))
            throw SizingError("Spec sheet: the work book already holds a sheet " + sheet->Name());
    m_sheets.insert(m_sheets.begin() + (before - 1), std::make_move_iterator(sheets.begin()),
                    std::make_move_iterator(sheets.end()));
}

SpecSheet* SpecWorkbook::FindSheet(const std::string& name) const
{
    for (const auto& sheet : m_sheets)
        if (SameName(sheet->Name(), name))
            return sheet.get();
    return nullptr;
}

SpecSheet& SpecWorkbook::Sheet(const std::string& name) const
{
    SpecSheet* sheet = FindSheet(name);
    if (!sheet)
        throw SizingError("Spec sheet: no sheet " + name);
    return *sheet;
}

SpecSheet& SpecWorkbook::Sheet(int index) const
{
    if (index < 1 || index > Count())
        throw SizingError("Spec sheet: no sheet " + std::to_string(index));
    return *m_sheets[static_cast<std::size_t>(index - 1)];
}

void SpecWorkbook::Rename(const std::string& name, const std::string& newName)
{
    SpecSheet& sheet = Sheet(name);
    const SpecSheet* other = FindSheet(newName);
    if (newName.empty() || (other && other != &sheet))
        throw SizingError("Spec sheet: cannot name a sheet " + newName);
    sheet.SetName(newName);
}

void SpecWorkbook::Select(const std::string& name)
{
    m_selected = &Sheet(name);
}

void SpecWorkbook::Select(int index)
{
    m_selected = &Sheet(index);
}

bool SpecWorkbook::SaveAs(const std::string& path) const
{
    return SpecWorkbookFile::Write(*this, path);
}

} // namespace Pulvane_V4
