#include "WorkbookDump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace {

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char e = line[++i];
            fields.back() += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string Quoted(const std::string& text)
{
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

WorkbookDump::Cell WorkbookDump::Sheet::At(const std::string& address) const
{
    const auto it = cells.find(address);
    return it == cells.end() ? Cell{"none", "", ""} : it->second;
}

double WorkbookDump::Sheet::Number(const std::string& address) const
{
    const Cell cell = At(address);
    EXPECT_EQ("n", cell.type) << name << "!" << address << " holds " << cell.value;
    return std::strtod(cell.value.c_str(), nullptr);
}

std::string WorkbookDump::Sheet::Text(const std::string& address) const
{
    const Cell cell = At(address);
    EXPECT_EQ("s", cell.type) << name << "!" << address << " holds " << cell.value;
    return cell.value;
}

std::vector<std::string> WorkbookDump::Names() const
{
    std::vector<std::string> names;
    for (const Sheet& s : sheets)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> WorkbookDump::Hidden() const
{
    std::vector<std::string> names;
    for (const Sheet& s : sheets)
        if (s.state == "hidden")
            names.push_back(s.name);
    return names;
}

const WorkbookDump::Sheet& WorkbookDump::operator[](const std::string& name) const
{
    for (const Sheet& s : sheets)
        if (s.name == name)
            return s;
    throw std::runtime_error("no sheet " + name);
}

WorkbookDump ReadWorkbook(const std::string& path)
{
    const std::string command = Quoted(QUENRO_PYTHON) + " " + Quoted(XLSX_DUMP_SCRIPT) + " " + Quoted(path);
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    std::string output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    if (::pclose(pipe) != 0)
        throw std::runtime_error("cannot read the work book " + path);

    WorkbookDump dump;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> f = Fields(line);
        if (f[0] == "title") {
            dump.title = f.at(1);
        } else if (f[0] == "active") {
            dump.activeTab = std::stoi(f.at(1));
        } else if (f[0] == "sheet") {
            dump.sheets.push_back({f.at(2), f.at(3), f.at(4) == "1", {}, {}, {}});
        } else if (f[0] == "cell") {
            dump.sheets.back().cells[f.at(2)] = {f.at(3), f.at(4), f.at(5)};
        } else if (f[0] == "chart") {
            dump.sheets.back().chart.assign(f.begin() + 2, f.end());
        } else if (f[0] == "series") {
            dump.sheets.back().series.push_back({f.at(2), f.at(3), f.at(4)});
        }
    }
    return dump;
}
