#pragma once

#include <string>

namespace Pulvane_V4 {

class SpecWorkbook;

// Writes a spec-sheet work book as an .xlsx file. The file is built beside the target under a
// temporary name and renamed onto it only when complete, so a failure leaves no partial file
// and an existing file unchanged. A target that a spreadsheet program would not save over (a
// read-only file, a symbolic link, anything but a regular file) is refused.
class SpecWorkbookFile {
public:
    static bool Write(const SpecWorkbook& book, const std::string& path);
};

} // namespace Pulvane_V4
