#pragma once

#include "sizing/SpecSheet.h"

#include <memory>
#include <string>
#include <vector>

namespace Pulvane_V4 {

// A spec-sheet work book being built: the sheets in order, the selected sheet and the book's
// title. Templates and work books are opened by their file names; the layouts live in
// SpecTemplate. Failures (an unknown file, a missing sheet, a taken name) raise SizingError.
class SpecWorkbook {
public:
    SpecWorkbook();
    ~SpecWorkbook();
    SpecWorkbook(const SpecWorkbook&) = delete;
    SpecWorkbook& operator=(const SpecWorkbook&) = delete;

    // Starts the book from the work book file: its title and its own sheets.
    void OpenWorkBook(const std::string& fileName);
    const std::string& Title() const { return m_title; }

    // Moves the sheets of a template, in template order, before sheet `before` (1-based).
    void MoveTemplateBefore(const std::string& templateFileName, int before);

    int Count() const { return static_cast<int>(m_sheets.size()); }
    // Sheet names compare without regard to case.
    SpecSheet& Sheet(const std::string& name) const;
    SpecSheet& Sheet(int index) const;
    void Rename(const std::string& name, const std::string& newName);

    void Select(const std::string& name);
    void Select(int index);
    const SpecSheet* Selected() const { return m_selected; }

    const std::vector<std::unique_ptr<SpecSheet>>& Sheets() const { return m_sheets; }

    // Writes the book as an .xlsx file; false when it cannot be written, leaving no file.
    bool SaveAs(const std::string& path) const;

private:
    SpecSheet* FindSheet(const std::string& name) const;

    std::string m_title;
    std::vector<std::unique_ptr<SpecSheet>> m_sheets;
    SpecSheet* m_selected = nullptr;
};

} // namespace Pulvane_V4
