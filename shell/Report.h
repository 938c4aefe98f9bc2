#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace Globals {

// One line of the bill of material, as the report writes it.
struct BillLine {
    QString quantity;
    QString partNumber;
    QString description;
};
using Bill = QList<BillLine>;

// The results report of the current setup kind with its bill of material;
// also sets Report_Text and refills BOM_Count, BOM_Quantity and BOM_Part_Number.
QString Build_Report();

// The bill of material Build_Report writes for the project as it stands,
// leaving Report_Text and the BOM arrays as they are.
Bill Current_Bill();

// The body of each kind's report, after the heading they share, with the
// lines of its bill: the kind table (SetupKinds) names the one of each kind.
void driveReport(QString& text, Bill& bill);
void driveControllerReport(QString& text, Bill& bill);
void controllerReport(QString& text, Bill& bill);

// The Export Data command: asks for a file name, writes the report there and
// opens it with its associated program once it is written.
void Export_Data(QWidget* parent);

// The Save dialog of the text results (report, price table): text files
// preselected. Nothing when the user cancels.
std::optional<QString> Ask_Text_File(QWidget* parent);

// Writes the text whole and opens it with its associated program once it is
// on disk; the status bar names the file as "<what> written to <path>", and a
// message tells the user where it is when no program opens it (also when the
// desktop's opener tells so later).
// Reports, price tables and curve exports all end here.
void Write_And_Open(const QString& what, const QString& path, const QString& text);

// "<what> written to <path>" in the main window's status bar until the next
// message, after every file the program writes.
void Tell_Written(const QString& what, const QString& path);

} // namespace Globals
