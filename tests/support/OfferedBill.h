#pragma once

#include <QStringList>

// The bill of material of the last Build_Report (BOM_Count, BOM_Quantity and
// BOM_Part_Number, the descriptions from Report_Text) held against what the
// open catalogue offers for the configuration in the global state: every line
// must be a part offered for its axis (the controller's or drive/controller's
// lines for the system) in a quantity the program can give it, each offer
// taken once. The offers are read from the catalogue's tables, apart from the
// program's own checks, so that a check the program lacks shows here.
//
// Needs System_Database open, as it is while a setup form is loaded; uses no
// test framework, so that fuzz targets and GUI tests alike can call it.
class OfferedBill {
public:
    // One readable line per bill line that is not offered for its axis or
    // configuration with its quantity, is a placeholder (a breakout without
    // its ports or length, a command cable without its length) or an
    // incomplete part number; empty when the bill is sound.
    static QStringList faults();
};
