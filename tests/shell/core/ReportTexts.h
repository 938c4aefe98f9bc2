#pragma once

#include <QString>

// The fixed opening of every report and the heading of its bill of material.
inline const QString kReportTitle = "Brevan Quenro Results\r\n"
                                    "Use Courier Font for best display\r\n"
                                    "\r\n";
inline const QString kBillHeading = "Bill of Material\r\n"
                                    "*****************************************************************************\r\n"
                                    "Quantity                Part Number             Description\r\n"
                                    "\r\n";
