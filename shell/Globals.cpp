#include "shell/Globals.h"

#include "platform/DatabaseError.h"
#include "platform/DiskFile.h"
#include "platform/MsgBox.h"
#include "platform/Win1252.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStatusBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace Globals {

State sharedState;
std::array<AxisRecord, 16> Axis;

namespace {
Pulvane_V4::MotorModelACX* s_socx = nullptr;
// Goes with its window.
QPointer<QStatusBar> s_statusBar;
QString s_testAppFolder;
// Holds the product database's connection from one Reset to the next, so that
// a Reset reopens the file only when it changed.
Database s_productDatabase;
// The catalogue connection last found whole: an unchanged file is not read
// for its tables at every Open again.
Database s_checkedCatalogue;

// The product catalogue as the program reads it: every table a form or
// dialog reads, with the columns it reads. A file holding none of these
// tables is not the catalogue. Beside each table, what an absent value means.
struct CatalogueTable {
    QString name;
    // The columns a step that uses them needs a value in: the step names a
    // row without one (Null or empty) as the catalogue's damage, never as a
    // choice withdrawn or a fault of a project file.
    QStringList needed;
    // The columns where a Null or an empty value means something (no entry,
    // not offered, no code, no part, no notes, false), or is damage only as
    // Null where a step says so.
    QStringList others;
};
const QList<CatalogueTable> kCatalogue = {
    // A row without a name or a type is not listed.
    {QStringLiteral("Drives"), {}, {QStringLiteral("Drive Name"), QStringLiteral("Drive Type")}},
    {QStringLiteral("DriveControllers"),
     {},
     {QStringLiteral("DriveController Name"), QStringLiteral("DriveController Type")}},
    {QStringLiteral("Controllers"), {}, {QStringLiteral("Controller Name")}},
    // A series without a name or a type is not listed, and neither is one
    // whose include flag is false, empty or Null. A part-number type the
    // program builds none for (another or none) keeps the captions, builds no
    // motor part number and opens the curve window without a curve; without
    // one the drive form takes no frame size.
    {QStringLiteral("Motors"),
     {},
     {QStringLiteral("Motor Name"), QStringLiteral("Motor Type"), QStringLiteral("Include with Drives"),
      QStringLiteral("Include with DriveControllers"), QStringLiteral("PartNumber Type")}},
    // Keys and listed values: a Null is no entry, an empty text an entry like
    // any other ("N/A" and empty add no code). A cable Null, empty or without
    // rows in Cables offers no length and bills nothing. A voltage column
    // offers its voltage unless it is Null or "N/A". Notes and the curve key
    // are shown or looked up as they stand.
    {QStringLiteral("Drive to Motor"),
     {},
     {QStringLiteral("Drive Name"), QStringLiteral("Motor Name"), QStringLiteral("Frame_Size"),
      QStringLiteral("Stack_Length"), QStringLiteral("Winding"), QStringLiteral("Feedback"),
      QStringLiteral("Cable_Option"), QStringLiteral("Motor_Cable"), QStringLiteral("Feedback_Cable"),
      QStringLiteral("Notes"), QStringLiteral("Drive_Notes"), QStringLiteral("Curve Database Motor Part Number"),
      QStringLiteral("24VDC_Drive"), QStringLiteral("48VDC_Drive"), QStringLiteral("75VDC_Drive"),
      QStringLiteral("120VAC_Drive"), QStringLiteral("230VAC_Drive"), QStringLiteral("460VAC_Drive"),
      QStringLiteral("24VDC_Drive_Parallel"), QStringLiteral("48VDC_Drive_Parallel"),
      QStringLiteral("75VDC_Drive_Parallel"), QStringLiteral("120VAC_Drive_Parallel"),
      QStringLiteral("230VAC_Drive_Parallel"), QStringLiteral("460VAC_Drive_Parallel")}},
    // Filters and listed values as above.
    {QStringLiteral("Shaft Options"),
     {},
     {QStringLiteral("Motor Name"), QStringLiteral("Frame_Size"), QStringLiteral("Stack_Length"),
      QStringLiteral("Shaft_Options")}},
    {QStringLiteral("Options"),
     {},
     {QStringLiteral("Motor Name"), QStringLiteral("Frame_Size"), QStringLiteral("Stack_Length"),
      QStringLiteral("Winding"), QStringLiteral("Feedback"), QStringLiteral("Cable_Option"),
      QStringLiteral("Options")}},
    // The gearhead list stops at its first empty code.
    {QStringLiteral("Gearhead"),
     {},
     {QStringLiteral("Motor Name"), QStringLiteral("Frame_Size"), QStringLiteral("Stack_Length"),
      QStringLiteral("GXX"), QStringLiteral("Notes")}},
    // A cable's lengths find its part number: a length is needed where its
    // cable's lengths are listed, a part number where a part's length is
    // chosen ("N/A" and "No ..." cables are no parts). A row without a cable
    // is no cable's.
    {QStringLiteral("Cables"),
     {QStringLiteral("Length"), QStringLiteral("Cable Part Number")},
     {QStringLiteral("Cable"), QStringLiteral("Notes")}},
    // No cross reference leaves the curve key empty.
    {QStringLiteral("Drive Cross Ref"),
     {},
     {QStringLiteral("Drive Part Number"), QStringLiteral("Database Part Number")}},
    // A name without its construction row has no part number, which the step
    // building it names; a Null or empty piece adds nothing.
    {QStringLiteral("Drive Construction"),
     {},
     {QStringLiteral("Drive Name"), QStringLiteral("Prefix"), QStringLiteral("DriveOnly_Controller_Portion")}},
    {QStringLiteral("DriveController Construction"),
     {},
     {QStringLiteral("DriveController Name"), QStringLiteral("Prefix"), QStringLiteral("Power Level First")}},
    // An accessory empty, "N/A" or "None" is never listed (for a
    // drive/controller only empty and "N/A"); a row without a name belongs to
    // no product.
    {QStringLiteral("Drive Only Accessories"),
     {},
     {QStringLiteral("Drive Name"), QStringLiteral("Drive Only Accessory")}},
    {QStringLiteral("Drive Accessories"), {}, {QStringLiteral("Drive Name"), QStringLiteral("Drive Accessory")}},
    {QStringLiteral("DriveController Accessories"),
     {},
     {QStringLiteral("DriveController Name"), QStringLiteral("DriveController Accessory")}},
    // Levels: a Null is never listed, nor an empty value on level 1; below it
    // an empty value is an entry like any other, and a lone "N/A" chooses
    // itself unseen. A Null or empty part number gives the option code "N/A".
    {QStringLiteral("All DriveControllers"),
     {},
     {QStringLiteral("DriveController Name"), QStringLiteral("Option1"), QStringLiteral("Option2"),
      QStringLiteral("Option3"), QStringLiteral("Option4"), QStringLiteral("PartNumber"), QStringLiteral("JTR Ready"),
      QStringLiteral("DUW Ready"), QStringLiteral("Expansion IO Notes")}},
    // Captions only.
    {QStringLiteral("DriveController Option Names"),
     {},
     {QStringLiteral("DriveController Name"), QStringLiteral("Drivecontroller Option1 Name"),
      QStringLiteral("Drivecontroller Option2 Name"), QStringLiteral("Drivecontroller Option3 Name"),
      QStringLiteral("Drivecontroller Option4 Name")}},
    // Done needs the configuration's part number (the controller's bill line)
    // and its counts, and names a row without them. Levels: a Null is never
    // listed, nor an empty value or "N/A" on level 1. A required accessory
    // empty, "N/A" or "No ..." is none, a Null one is named where the
    // controller meets a drive. Breakout ports holding 0, Null or nothing are
    // not offered; a "TNL" breakout left without any for want of a count is
    // named where its ports are listed, and no other controller reads them.
    {QStringLiteral("All Controllers"),
     {QStringLiteral("Part Number"), QStringLiteral("TotalAxes"), QStringLiteral("TotalServos"),
      QStringLiteral("TotalSteppers")},
     {QStringLiteral("Controller Name"), QStringLiteral("Option1"), QStringLiteral("Option2"),
      QStringLiteral("Option3"), QStringLiteral("Option4"), QStringLiteral("Option5"), QStringLiteral("Option6"),
      QStringLiteral("Required Accessory"), QStringLiteral("TNL Axes"), QStringLiteral("JTR Ready"),
      QStringLiteral("DUW Ready"), QStringLiteral("LUMIO Ready"), QStringLiteral("Expansion IO Notes")}},
    {QStringLiteral("Controller Option Names"),
     {},
     {QStringLiteral("Controller Name"), QStringLiteral("Option1 Name"), QStringLiteral("Option2 Name"),
      QStringLiteral("Option3 Name"), QStringLiteral("Option4 Name"), QStringLiteral("Option5 Name"),
      QStringLiteral("Option6 Name")}},
    // An empty accessory is no choice and is not listed.
    {QStringLiteral("Controller Accessories"),
     {},
     {QStringLiteral("Controller Name"), QStringLiteral("Controller Accessory")}},
    // A cable or accessory empty, "N/A" or "No ..." is none (a cable without
    // rows offers no length); a Null one is named where the pair connects.
    {QStringLiteral("Controller to Drive"),
     {},
     {QStringLiteral("Controller Name"), QStringLiteral("Drive Name"), QStringLiteral("Tech"),
      QStringLiteral("Cable"), QStringLiteral("ControllerDriveRequired_Accessory")}},
    // A card without a part number is no row; its description is shown and
    // billed as it stands; a quantity empty or "0" stores nothing.
    {QStringLiteral("ExpIO"),
     {},
     {QStringLiteral("Expansion IO Type"), QStringLiteral("DUW Number"), QStringLiteral("DUW Description"),
      QStringLiteral("Required Quantity")}},
};

void requireCatalogue(const Database& db)
{
    for (const QString& table : db.tableNames())
        if (std::ranges::any_of(kCatalogue, [&](const CatalogueTable& entry) {
                return table.compare(entry.name, Qt::CaseInsensitive) == 0;
            }))
            return;
    throw DatabaseError(QStringLiteral("The file holds no table of the product catalogue."));
}

// The start-up resets of the modules above the shell (the curve module).
QList<State_Reset> s_moduleResets;
} // namespace

AxisRecord& Current_Record()
{
    // The drive and drive/controller forms always edit record 0; an axis number
    // out of range falls back to the nearest record rather than past the array.
    const int index = std::clamp(Current_Axis - 1, 0, static_cast<int>(Axis.size()) - 1);
    return Axis[static_cast<std::size_t>(index)];
}

Pulvane_V4::MotorModelACX* SOCX()
{
    return s_socx;
}

void Set_SOCX(Pulvane_V4::MotorModelACX* control)
{
    s_socx = control;
}

QStatusBar* Status_Bar()
{
    return s_statusBar;
}

void Set_Status_Bar(QStatusBar* bar)
{
    s_statusBar = bar;
}

void Reset_All_State()
{
    sharedState = State();
    Axis = {};
    s_productDatabase = Database();
    s_checkedCatalogue = Database();
    frmAccessories::strExpIO.clear();
    frmAccessories::strExpIO_Note.clear();
    s_testAppFolder.clear();
    for (State_Reset reset : s_moduleResets)
        reset();
}

void Add_State_Reset(State_Reset reset)
{
    if (reset && !s_moduleResets.contains(reset))
        s_moduleResets.append(reset);
}

void Set_App_Folder_For_Tests(const QString& folder)
{
    s_testAppFolder = folder;
}

QString Application_Folder()
{
    QString folder = s_testAppFolder.isEmpty() ? QCoreApplication::applicationDirPath() : s_testAppFolder;
    // A folder at the root already ends in "/".
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void Open_Database()
{
    const bool testing = !s_testAppFolder.isEmpty();
    App_Path = Application_Folder();
    try {
        // An unchanged file keeps its connection and its prepared statements.
        Database opened = Database::open(App_Path + QStringLiteral("System Databases97.mdb"));
        // A kept connection was checked when it was opened.
        if (!opened.sharesConnectionWith(s_productDatabase))
            requireCatalogue(opened);
        s_productDatabase = opened;
        System_Database = opened;
    } catch (const DatabaseError&) {
        MsgBox::show(QStringLiteral("Database not found or opened with exclusive rights"), MsgBox::OKOnly,
                     Product_Title);
        if (testing)
            throw;
        // The program ends at once: nothing is unloaded or saved.
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
}

void Require_Catalogue_Tables()
{
    // Only an open catalogue can lack a table.
    if (!System_Database.isOpen())
        return;
    if (System_Database.sharesConnectionWith(s_checkedCatalogue) && !System_Database.fileChanged())
        return;
    for (const CatalogueTable& table : kCatalogue)
        System_Database.requireTable(table.name, table.needed + table.others);
    s_checkedCatalogue = System_Database;
}

QList<Catalogue_Column> Catalogue_Columns()
{
    QList<Catalogue_Column> columns;
    for (const CatalogueTable& table : kCatalogue) {
        for (const QString& column : table.needed)
            columns.append({table.name, column, true});
        for (const QString& column : table.others)
            columns.append({table.name, column, false});
    }
    return columns;
}

Recordset& Run_Query(const QString& sql, const QVariantList& params)
{
    Shared_Recordset = System_Database.OpenRecordset(sql, params);
    return Shared_Recordset;
}

QString Get_File_Name()
{
    // Paths saved on Windows use "\", ours "/": the name follows whichever comes last.
    const qsizetype slash = std::max(Project_Path.lastIndexOf(QLatin1Char('/')),
                                     Project_Path.lastIndexOf(QLatin1Char('\\')));
    return Project_Path.mid(slash + 1);
}

QString Read_File(const QString& path)
{
    return Win1252::decode(DiskFile::read(path, Max_Read_Bytes));
}

bool Write_File(const QString& path, const QString& text, bool noLineBreak)
{
    QByteArray bytes = Win1252::encode(text);
    if (!noLineBreak)
        bytes += "\r\n";
    try {
        DiskFile::write(path, bytes);
    } catch (const std::exception& e) {
        MsgBox::show(QStringLiteral("Unable to write the file %1.\n%2").arg(path, QString::fromUtf8(e.what())),
                     MsgBox::OKOnly, Product_Title, MsgBox::Exclamation);
        return false;
    }
    return true;
}

QString Get_Code(const QString& item)
{
    const qsizetype equals = item.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return equals < 0 ? item : QString();
    // The character before "=" is the blank of " = ", whatever it is.
    return item.left(equals - 1);
}

QString Get_Description(const QString& item)
{
    const qsizetype equals = item.indexOf(QLatin1Char('='));
    if (equals < 0)
        return QString();
    // The character after "=" is the blank of " = ", whatever it is.
    return item.mid(equals + 2);
}

bool Ask_Reset_Axis(const QString& kind, bool resetCurrentAxis)
{
    const QString question = kind == QLatin1String("Controller")
        ? QStringLiteral("Controller and Drive Incompatibility.  Would you like to reset the axis?")
        : QStringLiteral("Motor and Drive Incompatibility.  Would you like to reset the axis?");
    if (MsgBox::show(question, MsgBox::YesNo, Product_Title) != MsgBox::Yes)
        return false;
    if (!resetCurrentAxis)
        return true;
    // Kind 3 (the accessory dialog of a controller axis is open) has no form to reset.
    const QString name = SetupKinds::formName(System_Type);
    SetupForm* form = name.isEmpty() ? nullptr : Forms::get<SetupForm>(name);
    if (!form)
        return false;
    if (System_Type == SetupKinds::Controller)
        form->Reset_Axis();
    else
        form->Reset();
    return true;
}

} // namespace Globals
