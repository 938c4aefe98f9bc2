#include "setup/drivecontroller/frmDriveController_Setup.h"

#include "curves/frmCurve.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/Pictures.h"
#include "setup/drive/AccessoryDisplay.h"
#include "setup/drive/AxisProjectBlock.h"
#include "setup/drive/CableLengthStep.h"
#include "setup/drive/FormControls.h"
#include "setup/drive/ProjectReplay.h"
#include "setup/drive/SelectionCascade.h"
#include "setup/drive/TextBox.h"
#include "setup/drivecontroller/DriveControllerMotorOptionsStep.h"
#include "setup/drivecontroller/DriveControllerVoltageStep.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>

using namespace Globals;

namespace {

const QString kSeriesOfDriveController = QStringLiteral(
    "SELECT DISTINCT [Drive to Motor].[Drive Name], "
    "[Drive to Motor].[Motor Name], Motors.[Include with Drives] FROM Motors INNER JOIN "
    "[Drive to Motor] ON Motors.[Motor Name] = [Drive to Motor].[Motor Name] "
    "WHERE ((([Drive to Motor].[Drive Name])=?) AND "
    "((Motors.[Include with DriveControllers])=True));");

// Lines 260 to 266 may be missing in files of older versions.
constexpr int kFirstTolerantLine = 260;

// The drive/controller lists of lines 134 to 259, in file order.
const std::array<List21*, 6> kConfigurationLists = {
    &Drive_Controller_Options,           &Drive_Controller_Accessory_Description,
    &Drive_Controller_Accessory_List_Index, &Drive_Controller_Accessory_Entry,
    &Drive_Controller_Accessory_Quantity, &Drive_Controller_Accessory_List_Item};

void clearAccessoryLists()
{
    for (List21* list : {&Drive_Controller_Accessory_Entry, &Drive_Controller_Accessory_List_Index,
                         &Drive_Controller_Accessory_Quantity, &Drive_Controller_Accessory_Description,
                         &Drive_Controller_Options, &Drive_Controller_Accessory_List_Item})
        list->fill(QString());
    Drive_Controller_Expansion_IO = false;
}

} // namespace

frmDriveController_Setup::frmDriveController_Setup()
    : SetupFormBase(SetupKinds::DriveController, QStringLiteral("Drive/Controller and Motor Selection"), 13110, 8400)
{

    m_rules.systemType = 2;
    m_rules.technologyDrivesSql = QStringLiteral(
        "SELECT [DriveControllers].[DriveController Name], [DriveControllers].[DriveController Type] "
        "FROM [DriveControllers] "
        "WHERE (([DriveControllers].[DriveController Type])=?) ORDER BY [DriveControllers].[DriveController Name];");
    m_rules.technologyDriveColumn = QStringLiteral("DriveController Name");
    m_rules.technologySeriesSql = QStringLiteral(
        "SELECT [Motors].[Motor Name], [Motors].[Motor Type], "
        "[Motors].[Include with DriveControllers] FROM [Motors] "
        "WHERE (([Motors].[Motor Type])=?) ORDER BY [Motors].[Motor Name];");
    m_rules.includeColumn = QStringLiteral("Include with DriveControllers");
    m_rules.frameSizeNeedsPartNumberType = false;
    m_rules.clearsCurveKeys = false;
    m_rules.seriesSelectsSingleDrive = false;
    m_rules.colbitumFeedbackCaption = QStringLiteral("Feedback");
    m_rules.gearheadOnlyWithoutGearhead = true;
    m_rules.optionsWritesDriveText = false;
    m_rules.keywayMessage = QStringLiteral("Keyway on Size 16 motors is not valid unless with a gearhead\r\n"
                                           "Please select another shaft Options");
    m_rules.driveTechnologySql = QStringLiteral(
        "SELECT DISTINCT [DriveControllers].[DriveController Type], [DriveControllers].[DriveController Name]"
        "FROM [DriveControllers] WHERE (([DriveControllers].[DriveController Name]) = ?) "
        "ORDER BY [DriveControllers].[DriveController Type];");
    m_rules.driveTechnologyColumn = QStringLiteral("DriveController Type");

    createControls();
    m_cascade = std::make_unique<SelectionCascade>(m_controls, m_rules);
    m_motorOptions = std::make_unique<DriveControllerMotorOptionsStep>(m_controls, m_rules, Feedback_Key);
    m_voltage = std::make_unique<DriveControllerVoltageStep>(m_controls, Feedback_Key);
    m_cableLengths = std::make_unique<CableLengthStep>(m_controls);
    wireHandlers();
}

frmDriveController_Setup::~frmDriveController_Setup() = default;

void frmDriveController_Setup::createControls()
{
    CascadeControls& c = m_controls;

    // Left: technology, drive/controller and motor series with their pictures.
    FormControls::label(this, "lblMotor_Tech", QStringLiteral("Motor Technology"), 240, 120, 3000);
    c.cmbMotor_Tech = FormControls::make<ListControl>(this, "cmbMotor_Tech", 240, 360, 3000, 315);
    FormControls::label(this, "lblDrive_Select", QStringLiteral("Drive/Controller Selection"), 240, 840, 3000);
    c.driveList = FormControls::make<ListControl>(this, "cmbDriveController", 240, 1080, 3000, 315);
    m_picDriveController = FormControls::make<QLabel>(this, "picDriveController", 240, 1500, 2400, 1500);
    FormControls::label(this, "lblMotor_Series", QStringLiteral("Motor Series"), 240, 3120, 3000);
    c.cmbMotor_Series = FormControls::make<ListControl>(this, "cmbMotor_Series", 240, 3360, 3000, 315);
    c.picMotor_Series = FormControls::make<QLabel>(this, "picMotor_Series", 240, 3780, 2400, 1260);
    for (QLabel* picture : {m_picDriveController, c.picMotor_Series}) {
        picture->setScaledContents(true);
        picture->setFrameShape(QFrame::Box);
    }

    // Middle: the motor detail lists in cascade order.
    const int mid = 3720;
    const int width = 4080;
    FormControls::label(this, "lblFrame_Size", QStringLiteral("Frame Size"), mid, 120, width);
    c.cmbFrame_size = FormControls::make<ListControl>(this, "cmbFrame_size", mid, 360, width, 315);
    c.lblStack_Length = FormControls::label(this, "lblStack_Length", QStringLiteral("Stack Length"), mid, 840, width);
    c.cmbStack_length = FormControls::make<ListControl>(this, "cmbStack_length", mid, 1080, width, 315);
    c.lblWinding = FormControls::label(this, "lblWinding", QStringLiteral("Winding"), mid, 1560, width);
    c.cmbWinding = FormControls::make<ListControl>(this, "cmbWinding", mid, 1800, width, 315);
    c.lblFeedback = FormControls::label(this, "lblFeedback", QStringLiteral("Feedback"), mid, 2280, width);
    c.cmbFeedback = FormControls::make<ListControl>(this, "cmbFeedback", mid, 2520, width, 315);
    c.lblShaft_Options = FormControls::label(this, "lblShaft_Options", QStringLiteral("Shaft Options"), mid, 3000, width);
    c.cmbShaft_options = FormControls::make<ListControl>(this, "cmbShaft_options", mid, 3240, width, 315);
    FormControls::label(this, "lblCable_Option", QStringLiteral("Cable Options"), mid, 3720, width);
    c.cmbCable_Option = FormControls::make<ListControl>(this, "cmbCable_Option", mid, 3960, width, 315);
    c.lblMotor_Options = FormControls::label(this, "lblMotor_Options", QStringLiteral("Motor Options"), mid, 4440, width);
    c.cmbOptions = FormControls::make<ListControl>(this, "cmbOptions", mid, 4680, width, 315);

    // Right: voltage, wiring, cable lengths and the two buttons.
    const int right = 8280;
    const int rw = 4440;
    QLabel* lblDriveVoltage = FormControls::label(this, "lblDriveVoltage", QStringLiteral("Drive Input Voltage"), right, 120, rw);
    c.lblDriveVoltage = lblDriveVoltage;
    c.cmbDriveVoltage = FormControls::make<ListControl>(this, "cmbDriveVoltage", right, 360, 2400, 315);
    c.lblwiring = FormControls::label(this, "lblwiring", QStringLiteral("Motor Wiring"), right, 840, rw);
    c.cmbWiring = FormControls::make<ListControl>(this, "cmbWiring", right, 1080, 2400, 315);
    c.lblMotor_Cable_Length = FormControls::label(this, "lblMotor_Cable_Length",
                                    QStringLiteral("Motor to Drive Power Cable Length"), right, 1560, rw);
    c.cmbMotor_Cable_Length = FormControls::make<ListControl>(this, "cmbMotor_Cable_Length", right, 1800, 2400, 315);
    c.lblFeedback_Cable_Length = FormControls::label(this, "lblFeedback_Cable_Length",
                                       QStringLiteral("Motor to Drive Feedback Cable Length"), right, 2280, rw);
    c.cmbFeedback_Cable_Length = FormControls::make<ListControl>(this, "cmbFeedback_Cable_Length", right, 2520, 2400, 315);
    m_cmdDriveController = FormControls::make<QPushButton>(this, "cmdDriveController", right, 3720, 3360, 420);
    m_cmdDriveController->setText(QStringLiteral("Configure Drive/Controller"));
    auto* cmdCurve = FormControls::make<QPushButton>(this, "cmdCurve", right, 4320, 3360, 420);
    cmdCurve->setText(QStringLiteral("Show Speed/Torque Curve"));
    c.cmdCurve = cmdCurve;

    // Bottom: the results between the separator lines.
    c.lines = {FormControls::line(this, "Line5", 120, 5160, 12720, 30), FormControls::line(this, "Line6", 120, 7740, 12720, 30),
               FormControls::line(this, "Line7", 4440, 5280, 30, 2400), FormControls::line(this, "Line8", 8760, 5280, 30, 2400)};
    m_lblDriveController =
        FormControls::label(this, "lblDriveController", QStringLiteral("Drive/Controller Part Number"), 240, 5280, 4080);
    c.lblDrive = m_lblDriveController;
    c.txtDrive = FormControls::make<TextBox>(this, "txtDriveController", 240, 5520, 4080, 1080);
    QLabel* lblMotor_Part = FormControls::label(this, "lblMotor_Part", QStringLiteral("Motor Part Number"), 240, 6720, 4080);
    c.lblMotor_Part = lblMotor_Part;
    c.txtMotor_Part = FormControls::make<TextBox>(this, "txtMotor_Part", 240, 6960, 4080, 720);
    c.lblMotor = FormControls::label(this, "lblMotor", QStringLiteral("Drive to Motor Connection Part Numbers"), 4560, 5280, 4080);
    c.txtMotor = FormControls::make<TextBox>(this, "txtMotor", 4560, 5520, 4080, 2160);
    m_lblAccessories =
        FormControls::label(this, "lblAccessories", QStringLiteral("Selected Drive/Controller Accessories"), 8880, 5280, 3960);
    m_txtAccessories = FormControls::make<TextBox>(this, "txtAccessories", 8880, 5520, 3960, 2160);

    // The drive/controller's part-number box is the options dialog's: the
    // choices below the drive/controller leave it as it is.
    c.resultDisplay = {c.cmbMotor_Cable_Length, c.lblMotor_Cable_Length, c.cmbFeedback_Cable_Length,
                       c.lblFeedback_Cable_Length, c.cmbDriveVoltage, c.lblDriveVoltage, c.cmbWiring,
                       c.lblwiring, c.cmdCurve, c.txtMotor, c.lblMotor, c.txtMotor_Part, c.lblMotor_Part};
    for (QWidget* l : c.lines)
        c.resultDisplay.append(l);
}

void frmDriveController_Setup::wireHandlers()
{
    CascadeControls& c = m_controls;
    SelectionCascade* cascade = m_cascade.get();
    const auto detail = [cascade](SelectionCascade::Stage stage) {
        return [cascade, stage] { cascade->detailClick(stage); };
    };
    onClick(c.cmbMotor_Tech, [this] { cmbMotor_Tech_Click(); });
    onClick(c.driveList, [this] { cmbDriveController_Click(); });
    onClick(c.cmbMotor_Series, [cascade] { cascade->motorSeriesClick(); });
    onClick(c.cmbFrame_size, detail(SelectionCascade::FrameSize));
    onClick(c.cmbStack_length, detail(SelectionCascade::StackLength));
    onClick(c.cmbWinding, detail(SelectionCascade::Winding));
    onClick(c.cmbFeedback, detail(SelectionCascade::FourthList));
    onClick(c.cmbShaft_options, detail(SelectionCascade::FifthList));
    onClick(c.cmbCable_Option, detail(SelectionCascade::CableOption));
    onClick(c.cmbOptions, [this] { m_motorOptions->click(); });
    onClick(c.cmbDriveVoltage, [this] { m_voltage->voltageClick(); });
    onClick(c.cmbWiring, [this] { m_voltage->wiringClick(); });
    onClick(c.cmbMotor_Cable_Length, [this] { m_cableLengths->click(CableLengthStep::MotorCable); });
    onClick(c.cmbFeedback_Cable_Length, [this] { m_cableLengths->click(CableLengthStep::FeedbackCable); });
    onClick(m_cmdDriveController, [this] { cmdDriveController_Click(); });
    onClick(static_cast<QPushButton*>(c.cmdCurve), [this] { cmdCurve_Click(); });
}

void frmDriveController_Setup::Reset()
{
    CascadeControls& c = m_controls;
    // An open options dialog shows the configuration that goes now; a project
    // opened next restores its own options in a new one.
    Forms::unload(QStringLiteral("frmDriveControl"));
    closeDatabase();

    const QList<ListControl*> lists = {c.driveList,  c.cmbMotor_Series,  c.cmbFrame_size,
                                       c.cmbStack_length, c.cmbFeedback, c.cmbWinding,
                                       c.cmbShaft_options, c.cmbCable_Option, c.cmbOptions};
    for (ListControl* list : lists)
        list->clear();

    // The voltage and wiring lists keep their entries: they are refilled before they show again.
    m_cmdDriveController->hide();
    for (TextBox* box : {c.txtDrive, c.txtMotor_Part, c.txtMotor}) {
        box->setText(QString());
        box->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*> {c.lblDrive, c.cmbDriveVoltage, c.lblDriveVoltage, c.cmbWiring,
                                                       c.lblwiring, c.cmdCurve, c.lblMotor_Part, c.lblMotor,
                                                       m_picDriveController, c.picMotor_Series})
        w->hide();
    for (QWidget* l : c.lines)
        l->hide();
    m_txtAccessories->setText(QString());
    hideAccessories();

    Last_Drive.clear();
    Last_Motor_Series.clear();

    Open_Database();

    for (ListControl* list : lists)
        list->setListIndex(-1);
    for (ListControl* list : lists)
        list->setEnabled(false);

    for (ListControl* length : {c.cmbMotor_Cable_Length, c.cmbFeedback_Cable_Length}) {
        length->hide();
        length->clear();
    }
    c.lblMotor_Cable_Length->hide();
    c.lblFeedback_Cable_Length->hide();

    // The motor side goes; the curve keys, the controller slots and the
    // record's drive accessory lists (used by no drive/controller) stay.
    AxisRecord& record = Current_Record();
    AxisRecord cleared;
    for (QString AxisRecord::*kept :
         {&AxisRecord::Curve_Drive_Part_Number, &AxisRecord::Curve_Motor_Part_Number,
          &AxisRecord::Drive_Controller_Accessory, &AxisRecord::Controller_Cable,
          &AxisRecord::Controller_Cable_Part_Number, &AxisRecord::Controller_Cable_Length,
          &AxisRecord::Controller_Cable_Notes})
        cleared.*kept = record.*kept;
    for (AxisRecord::List21 AxisRecord::*kept :
         {&AxisRecord::Drive_Accessory_Entry, &AxisRecord::Drive_Accessory_Quantity,
          &AxisRecord::Drive_Accessory_Description, &AxisRecord::Drive_Accessory_List_Index,
          &AxisRecord::Drive_Accessory_List_Item})
        cleared.*kept = record.*kept;
    record = cleared;

    clearAccessoryLists();
    for (QString* text : {&Drive_Controller_Name, &Drive_Controller_Part_Number, &Drive_Controller_Extra,
                          &Drive_Controller_Option_Code, &Drive_Controller_Notes, &Drive_Controller_Extra_2})
        text->clear();

    if (!Keep_Technology) {
        c.cmbMotor_Tech->clear();
        SelectionCascade::fillRows(c.cmbMotor_Tech,
                                   QStringLiteral("SELECT DISTINCT [DriveControllers].[DriveController Type] "
                                                  "FROM [DriveControllers]"
                                                  "ORDER BY [DriveControllers].[DriveController Type];"),
                                   {}, QStringLiteral("DriveController Type"));
    }
    Loading_Lists = false;
}

void frmDriveController_Setup::cmbMotor_Tech_Click()
{
    m_cascade->technologyChosen([this] {
        FlagGuard keep(Keep_Technology, true);
        Reset();
    });
}

void frmDriveController_Setup::cmbDriveController_Click()
{
    CascadeControls& c = m_controls;
    if (Loading_Lists)
        return;
    const QString driveController = c.driveList->text();
    AxisRecord& record = Current_Record();

    // Nothing selected: only the closing steps run.
    if (driveController != Last_Drive) {
        const bool seriesChosen = c.cmbMotor_Series->listIndex() != -1;
        FlagGuard loading(Loading_Lists, true);

        Pictures::showIn(m_picDriveController, driveController);
        m_cascade->hideResultDisplay();
        c.txtDrive->hide();
        c.lblDrive->hide();
        m_cascade->emptyAndDisable(SelectionCascade::FrameSize);
        if (!seriesChosen)
            c.cmbMotor_Series->clear();
        if (!Loading_Project) {
            SelectionCascade::clearChoicesFrom(record, SelectionCascade::FrameSize);
            if (!seriesChosen)
                record.Motor_Series.clear();
        }
        m_cascade->clearDerived(record);

        if (seriesChosen) {
            m_cascade->listFrameSizes();
            // A reset form has no drive/controller to go on with.
            if (c.cmbFrame_size->listCount() == 0 && m_cascade->askResetAxis())
                return;
        } else {
            SelectionCascade::fillDistinct(c.cmbMotor_Series, kSeriesOfDriveController, {driveController},
                                           QStringLiteral("Motor Name"));
            c.cmbMotor_Series->setListIndex(-1);
        }
    }

    Drive_Controller_Name = driveController;
    record.Drive_Name = driveController;
    c.cmbMotor_Series->setEnabled(true);
    m_cmdDriveController->show();
    if (!Loading_Project) {
        // A new drive/controller has to be configured again.
        Drive_Controller_Notes.clear();
        Drive_Controller_Part_Number.clear();
        Drive_Controller_Option_Code.clear();
        Drive_Controller_Options.fill(QString());
    }
    record.Motor_Part_Number.clear();
    record.Motor_Cable.clear();
    record.Feedback_Cable.clear();
    if (!Loading_Project) {
        clearAccessoryLists();
        Update_Accessories_Display();
    }

    Loading_Lists = false;
    if (c.cmbMotor_Series->listCount() == 1)
        c.cmbMotor_Series->setListIndex(0);
}

void frmDriveController_Setup::cmdDriveController_Click()
{
    if (Form* dialog = Forms::get(QStringLiteral("frmDriveControl")))
        dialog->Show();
    Current_Form = QStringLiteral("frmDriveControl");
}

void frmDriveController_Setup::cmdCurve_Click()
{
    frmCurve::Show_Axis_Curve(Current_Record());
}

void frmDriveController_Setup::hideAccessories()
{
    m_txtAccessories->hide();
    m_lblAccessories->hide();
}

void frmDriveController_Setup::Update_Accessories_Display()
{
    AccessoryDisplay::show(m_txtAccessories, m_lblAccessories, Drive_Controller_Accessory_Entry);
}

QString frmDriveController_Setup::Save_String()
{
    const AxisRecord& record = Current_Record();
    QString text = AxisProjectBlock::value(QString::number(System_Type));
    AxisProjectBlock::write(record, text);
    for (const QString* single : {&Drive_Controller_Notes, &Drive_Controller_Part_Number, &Drive_Controller_Extra,
                                  &Drive_Controller_Name})
        text += AxisProjectBlock::value(*single);
    text += AxisProjectBlock::value(QString::number(Drive_Controller_Expansion_IO ? -1 : 0));
    text += AxisProjectBlock::value(Drive_Controller_Extra_2);
    for (const List21* list : kConfigurationLists)
        for (const QString& entry : *list)
            text += AxisProjectBlock::value(entry);
    text += AxisProjectBlock::value(record.Drive_Voltage);
    text += AxisProjectBlock::value(record.Motor_Wiring);
    for (int level = 1; level <= 4; ++level)
        text += AxisProjectBlock::value(Drive_Controller_Options[level]);
    text += AxisProjectBlock::value(record.Motor_Technology);
    return text;
}

void frmDriveController_Setup::replayProject()
{
    AxisRecord& record = Current_Record();
    const QStringList& lines = Project_Lines;
    AxisProjectBlock::read(lines, record);
    int number = AxisProjectBlock::LastLine + 1;
    Drive_Controller_Notes = AxisProjectBlock::line(lines, number++);
    number += 2; // the part number and its extra text are rebuilt
    Drive_Controller_Name = AxisProjectBlock::line(lines, number++);
    bool isNumber = false;
    const int expansion = AxisProjectBlock::line(lines, number++).trimmed().toInt(&isNumber);
    if (!isNumber)
        throw std::runtime_error("The expansion I/O line is no number.");
    Drive_Controller_Expansion_IO = expansion != 0;
    Drive_Controller_Extra_2 = AxisProjectBlock::line(lines, number++);
    for (List21* list : kConfigurationLists)
        for (QString& entry : *list)
            entry = AxisProjectBlock::line(lines, number++);

    // Files of older versions end earlier: what they lack stays empty.
    const auto tolerant = [&lines](int line, QString& slot) {
        if (line <= lines.size())
            slot = lines.at(line - 1);
    };
    tolerant(kFirstTolerantLine, record.Drive_Voltage);
    tolerant(kFirstTolerantLine + 1, record.Motor_Wiring);
    for (int level = 1; level <= 4; ++level)
        tolerant(kFirstTolerantLine + 1 + level, Drive_Controller_Options[level]);
    tolerant(kFirstTolerantLine + 6, record.Motor_Technology);

    ProjectReplay(m_controls, m_rules).run(record);
    cmdDriveController_Click();
    Update_Accessories_Display();
    Loading_Project = false;
}
