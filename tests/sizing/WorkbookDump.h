#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

// What an .xlsx file holds, as xlsx_dump.py reads it from the package's XML.
struct WorkbookDump {
    struct Cell {
        std::string type; // "s" shared text, "n" number, "str" formula text, "blank"
        std::string value;
        std::string formula;
        bool operator==(const Cell&) const = default;
        friend std::ostream& operator<<(std::ostream& os, const Cell& c)
        {
            return os << c.type << " \"" << c.value << "\" =" << c.formula;
        }
    };
    struct Series {
        std::string name, x, y;
    };
    struct Sheet {
        std::string name;
        std::string state; // "visible" or "hidden"
        bool selected = false;
        std::map<std::string, Cell> cells;
        std::vector<std::string> chart; // kind, title, x-axis title, y-axis title
        std::vector<Series> series;

        // The cell at an address; type "none" when the sheet holds nothing there.
        Cell At(const std::string& address) const;
        double Number(const std::string& address) const;
        std::string Text(const std::string& address) const;
    };

    std::string title;
    int activeTab = -1;
    std::vector<Sheet> sheets;

    std::vector<std::string> Names() const;
    std::vector<std::string> Hidden() const;
    const Sheet& operator[](const std::string& name) const;
};

// Runs the reader script on the file; an unreadable file fails the calling test.
WorkbookDump ReadWorkbook(const std::string& path);
