#pragma once

#include <string>

// Reads an .xlsx package back the way a spreadsheet program must: every part
// of the zip inflates to its stated size and checksum, every XML part is
// well-formed, and the workbook part is there. Empty when it reads back,
// else what is wrong.
std::string xlsxProblem(const std::string& path);
