#pragma once

#include <QString>

class QWidget;

namespace Globals {

// The results report of the current setup kind with its bill of material;
// also sets Report_Text and refills BOM_Count, BOM_Quantity and BOM_Part_Number.
QString Build_Report();

// The Export Data command: asks for a file name, writes the report there and
// opens it with its associated program once it is written.
void Export_Data(QWidget* parent);

} // namespace Globals
