#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace Globals {

// The results report of the current setup kind with its bill of material;
// also sets Report_Text and refills BOM_Count, BOM_Quantity and BOM_Part_Number.
QString Build_Report();

// The Export Data command: asks for a file name, writes the report there and
// opens it with its associated program once it is written.
void Export_Data(QWidget* parent);

// The Save dialog of the text results (report, price table): text files
// preselected, in the program's folder. Nothing when the user cancels.
std::optional<QString> Ask_Text_File(QWidget* parent);

// Writes the text whole and opens it with its associated program once it is
// on disk; tells the user where the file is when no program opens it.
// Reports, price tables and curve exports all end here.
void Write_And_Open(const QString& path, const QString& text);

} // namespace Globals
