#include "setup/drive/frmDrive_Setup.h"

#include "curves/frmCurve.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "platform/Pictures.h"
#include "setup/drive/AxisProjectBlock.h"
#include "setup/drive/CableLengthStep.h"
#include "setup/drive/DriveVoltageStep.h"
#include "setup/drive/FormControls.h"
#include "setup/drive/MotorOptionsStep.h"
#include "setup/drive/ProjectReplay.h"
#include "setup/drive/SelectionCascade.h"
#include "setup/drive/TextBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Globals;

frmDrive_Setup::frmDrive_Setup()
    : SetupFormBase(SetupKinds::Drive, QStringLiteral("Drive and Motor Selection"), 13110, 9195)
{
    // These lists grow with the catalogue: each query reads only what its list needs.
    m_rules.technologyDrivesSql = QStringLiteral(
        "SELECT [Drives].[Drive Name] FROM [Drives] "
        "WHERE (([Drives].[Drive Type])=?)"
        "ORDER BY [Drives].[Drive Name];");

    createControls();
    m_cascade = std::make_unique<SelectionCascade>(m_controls, m_rules);
    m_motorOptions = std::make_unique<MotorOptionsStep>(m_controls, m_rules, Row_Feedback);
    m_voltage = std::make_unique<DriveVoltageStep>(m_controls, Row_Feedback);
    m_cableLengths = std::make_unique<CableLengthStep>(m_controls);
    wireHandlers();
}

frmDrive_Setup::~frmDrive_Setup() = default;

void frmDrive_Setup::createControls()
{
    // Left: technology, drive and motor series with their pictures.
    FormControls::label(this, "lblMotor_Tech", QStringLiteral("Motor Technology"), 240, 120, 3000);
    m_cmbMotor_Tech = FormControls::make<ListControl>(this, "cmbMotor_Tech", 240, 360, 3000, 315);
    FormControls::label(this, "lblDrive_Select", QStringLiteral("Drive Selection"), 240, 840, 3000);
    m_cmbDrive = FormControls::make<ListControl>(this, "cmbDrive", 240, 1080, 3000, 315);
    m_picDrive = FormControls::make<QLabel>(resultArea(), "picDrive", 240, 1500, 2400, 1500);
    FormControls::label(this, "lblMotor_Series", QStringLiteral("Motor Series"), 240, 3120, 3000);
    m_cmbMotor_Series = FormControls::make<ListControl>(this, "cmbMotor_Series", 240, 3360, 3000, 315);
    m_picMotor_Series = FormControls::make<QLabel>(resultArea(), "picMotor_Series", 240, 3780, 2400, 1500);
    for (QLabel* picture : {m_picDrive, m_picMotor_Series}) {
        picture->setScaledContents(true);
        picture->setFrameShape(QFrame::Box);
    }

    // Middle: the motor detail lists in cascade order.
    const int mid = 3720;
    const int width = 4080;
    FormControls::label(this, "lblFrame_Size", QStringLiteral("Frame Size"), mid, 120, width);
    m_cmbFrame_size = FormControls::make<ListControl>(this, "cmbFrame_size", mid, 360, width, 315);
    QLabel* lblStack_Length = FormControls::label(this, "lblStack_Length", QStringLiteral("Stack Length"), mid, 840, width);
    m_cmbStack_length = FormControls::make<ListControl>(this, "cmbStack_length", mid, 1080, width, 315);
    QLabel* lblWinding = FormControls::label(this, "lblWinding", QStringLiteral("Winding"), mid, 1560, width);
    m_cmbWinding = FormControls::make<ListControl>(this, "cmbWinding", mid, 1800, width, 315);
    QLabel* lblFeedback = FormControls::label(this, "lblFeedback", QStringLiteral("Feedback"), mid, 2280, width);
    m_cmbFeedback = FormControls::make<ListControl>(this, "cmbFeedback", mid, 2520, width, 315);
    QLabel* lblShaft = FormControls::label(this, "lblShaft_Options", QStringLiteral("Shaft Options"), mid, 3000, width);
    m_cmbShaft_options = FormControls::make<ListControl>(this, "cmbShaft_options", mid, 3240, width, 315);
    FormControls::label(this, "lblCable_Option", QStringLiteral("Cable Options"), mid, 3720, width);
    m_cmbCable_Option = FormControls::make<ListControl>(this, "cmbCable_Option", mid, 3960, width, 315);
    QLabel* lblOptions = FormControls::label(this, "lblMotor_Options", QStringLiteral("Motor Options"), mid, 4440, width);
    m_cmbOptions = FormControls::make<ListControl>(this, "cmbOptions", mid, 4680, width, 315);

    // Right: voltage, wiring, cable lengths and the two buttons, and the results at the
    // bottom: they live in the result area.
    QWidget* results = resultArea();
    const int right = 8280;
    const int rw = 4440;
    m_lblDriveVoltage = FormControls::label(results, "lblDriveVoltage", QStringLiteral("Drive Input Voltage"), right, 120, rw);
    m_cmbDriveVoltage = FormControls::make<ListControl>(results, "cmbDriveVoltage", right, 360, 2400, 315);
    m_lblwiring = FormControls::label(results, "lblwiring", QStringLiteral("Motor Wiring"), right, 840, rw);
    m_cmbWiring = FormControls::make<ListControl>(results, "cmbWiring", right, 1080, 2400, 315);
    m_lblMotor_Cable_Length = FormControls::label(results, "lblMotor_Cable_Length",
                                    QStringLiteral("Motor to Drive Power Cable Length"), right, 1560, rw);
    m_cmbMotor_Cable_Length = FormControls::make<ListControl>(results, "cmbMotor_Cable_Length", right, 1800, 2400, 315);
    m_lblFeedback_Cable_Length = FormControls::label(results, "lblFeedback_Cable_Length",
                                       QStringLiteral("Motor to Drive Feedback Cable Length"), right, 2280, rw);
    m_cmbFeedback_Cable_Length = FormControls::make<ListControl>(results, "cmbFeedback_Cable_Length", right, 2520, 2400, 315);
    m_cmdDriveAccessories = FormControls::make<QPushButton>(results, "cmdDriveAccessories", right, 3720, 3360, 420);
    m_cmdDriveAccessories->setText(QStringLiteral("Configure Drive Accessories"));
    m_cmdCurve = FormControls::make<QPushButton>(results, "cmdCurve", right, 4320, 3360, 420);
    m_cmdCurve->setText(QStringLiteral("Show Speed/Torque Curve"));

    // Bottom: the results between the separator lines.
    QFrame* line5 = FormControls::line(results, "Line5", 120, 5280, 12720, 30);
    QFrame* line6 = FormControls::line(results, "Line6", 120, 8400, 12720, 30);
    QFrame* line7 = FormControls::line(results, "Line7", 4440, 5400, 30, 2880);
    QFrame* line8 = FormControls::line(results, "Line8", 8760, 5400, 30, 2880);
    m_lblDrive = FormControls::label(results, "lblDrive", QStringLiteral("Drive Part Number"), 240, 5400, 4080);
    m_txtDrive = FormControls::make<TextBox>(results, "txtDrive", 240, 5640, 4080, 1320);
    m_lblMotor_Part = FormControls::label(results, "lblMotor_Part", QStringLiteral("Motor Part Number"), 240, 7080, 4080);
    m_txtMotor_Part = FormControls::make<TextBox>(results, "txtMotor_Part", 240, 7320, 4080, 900);
    m_txtMotor_Part->makeOneLine();
    m_lblMotor = FormControls::label(results, "lblMotor", QStringLiteral("Drive to Motor Connection Part Numbers"), 4560, 5400, 4080);
    m_txtMotor = FormControls::make<TextBox>(results, "txtMotor", 4560, 5640, 4080, 2580);
    m_lblAccessories = FormControls::label(results, "lblAccessories", QStringLiteral("Selected Drive Accessories"), 8880, 5400, 3960);
    m_txtAccessories = FormControls::make<TextBox>(results, "txtAccessories", 8880, 5640, 3960, 2580);

    CascadeControls& c = m_controls;
    c.cmbMotor_Tech = m_cmbMotor_Tech;
    c.driveList = m_cmbDrive;
    c.cmbMotor_Series = m_cmbMotor_Series;
    c.cmbFrame_size = m_cmbFrame_size;
    c.cmbStack_length = m_cmbStack_length;
    c.cmbWinding = m_cmbWinding;
    c.cmbFeedback = m_cmbFeedback;
    c.cmbShaft_options = m_cmbShaft_options;
    c.cmbCable_Option = m_cmbCable_Option;
    c.cmbOptions = m_cmbOptions;
    c.cmbDriveVoltage = m_cmbDriveVoltage;
    c.cmbWiring = m_cmbWiring;
    c.cmbMotor_Cable_Length = m_cmbMotor_Cable_Length;
    c.cmbFeedback_Cable_Length = m_cmbFeedback_Cable_Length;
    c.lblStack_Length = lblStack_Length;
    c.lblWinding = lblWinding;
    c.lblFeedback = lblFeedback;
    c.lblShaft_Options = lblShaft;
    c.lblMotor_Options = lblOptions;
    c.picMotor_Series = m_picMotor_Series;
    c.txtDrive = m_txtDrive;
    c.txtMotor = m_txtMotor;
    c.txtMotor_Part = m_txtMotor_Part;
    c.lblDrive = m_lblDrive;
    c.lblMotor = m_lblMotor;
    c.lblMotor_Part = m_lblMotor_Part;
    c.lblDriveVoltage = m_lblDriveVoltage;
    c.lblwiring = m_lblwiring;
    c.lblMotor_Cable_Length = m_lblMotor_Cable_Length;
    c.lblFeedback_Cable_Length = m_lblFeedback_Cable_Length;
    c.cmdCurve = m_cmdCurve;
    c.resultArea = resultArea();
    c.lines = {line5, line6, line7, line8};
    c.resultDisplay = {m_cmbMotor_Cable_Length, m_lblMotor_Cable_Length, m_cmbFeedback_Cable_Length,
                       m_lblFeedback_Cable_Length, m_txtDrive, m_lblDrive, m_cmbDriveVoltage, m_lblDriveVoltage,
                       m_cmbWiring, m_lblwiring, m_cmdCurve, m_txtMotor, m_lblMotor, m_txtMotor_Part,
                       m_lblMotor_Part, line5, line6, line7, line8};
}

void frmDrive_Setup::wireHandlers()
{
    const auto on = [this](auto* control, auto handler) { onClick(control, handler); };
    on(m_cmbMotor_Tech, [this] { cmbMotor_Tech_Click(); });
    on(m_cmbDrive, [this] { cmbDrive_Click(); });
    on(m_cmbMotor_Series, [this] { cmbMotor_Series_Click(); });
    on(m_cmbFrame_size, [this] { cmbFrame_size_Click(); });
    on(m_cmbStack_length, [this] { cmbStack_length_Click(); });
    on(m_cmbWinding, [this] { cmbWinding_Click(); });
    on(m_cmbFeedback, [this] { cmbFeedback_Click(); });
    on(m_cmbShaft_options, [this] { cmbShaft_options_Click(); });
    on(m_cmbCable_Option, [this] { cmbCable_Option_Click(); });
    on(m_cmbOptions, [this] { cmbOptions_Click(); });
    on(m_cmbDriveVoltage, [this] { cmbDriveVoltage_Click(); });
    on(m_cmbWiring, [this] { cmbWiring_Click(); });
    on(m_cmbMotor_Cable_Length, [this] { cmbMotor_Cable_Length_Click(); });
    on(m_cmbFeedback_Cable_Length, [this] { cmbFeedback_Cable_Length_Click(); });
    on(m_cmdDriveAccessories, [this] { cmdDriveAccessories_Click(); });
    on(m_cmdCurve, [this] { cmdCurve_Click(); });
}

void frmDrive_Setup::Reset()
{
    closeDatabase();

    const QList<ListControl*> lists = {m_cmbDrive,   m_cmbMotor_Series,  m_cmbFrame_size,
                                       m_cmbStack_length, m_cmbFeedback, m_cmbWinding,
                                       m_cmbShaft_options, m_cmbCable_Option, m_cmbOptions};
    for (ListControl* list : lists)
        list->clear();

    // The voltage and wiring lists keep their entries: they are refilled before they show again.
    m_cmdDriveAccessories->hide();
    m_txtDrive->setText(QString());
    m_txtDrive->hide();
    for (QWidget* w : std::initializer_list<QWidget*> {m_lblDrive, m_cmbDriveVoltage, m_lblDriveVoltage, m_cmbWiring,
                                                       m_lblwiring, m_cmdCurve})
        w->hide();
    for (TextBox* box : {m_txtMotor_Part, m_txtMotor}) {
        box->setText(QString());
        box->hide();
    }
    m_lblMotor_Part->hide();
    m_lblMotor->hide();
    m_picDrive->hide();
    m_picMotor_Series->hide();
    for (QWidget* l : m_controls.lines)
        l->hide();
    m_txtAccessories->setText(QString());
    m_txtAccessories->hide();
    m_lblAccessories->hide();

    Last_Controller.clear();
    Last_Drive.clear();
    Last_Motor_Series.clear();

    Open_Database();

    for (ListControl* list : lists)
        list->setListIndex(-1);
    for (ListControl* list : lists)
        list->setEnabled(false);

    m_cmbMotor_Cable_Length->hide();
    m_cmbMotor_Cable_Length->clear();
    m_lblMotor_Cable_Length->hide();
    m_cmbFeedback_Cable_Length->hide();
    m_cmbFeedback_Cable_Length->clear();
    m_lblFeedback_Cable_Length->hide();

    // Every choice of the axis goes; the controller slots stay.
    AxisRecord& record = Current_Record();
    AxisRecord cleared;
    cleared.Drive_Controller_Accessory = record.Drive_Controller_Accessory;
    cleared.Controller_Cable = record.Controller_Cable;
    cleared.Controller_Cable_Part_Number = record.Controller_Cable_Part_Number;
    cleared.Controller_Cable_Length = record.Controller_Cable_Length;
    cleared.Controller_Cable_Notes = record.Controller_Cable_Notes;
    record = cleared;

    if (!Keep_Technology) {
        m_cmbMotor_Tech->clear();
        SelectionCascade::fillRows(m_cmbMotor_Tech,
                                   QStringLiteral("SELECT DISTINCT [Drives].[Drive Type] FROM [Drives]"
                                                  "ORDER BY [Drives].[Drive Type];"),
                                   {}, QStringLiteral("Drive Type"));
    }
    Loading_Lists = false;
}

void frmDrive_Setup::cmbMotor_Tech_Click()
{
    m_cascade->technologyChosen([this] {
        FlagGuard keep(Keep_Technology, true);
        Reset();
    });
}

void frmDrive_Setup::cmbDrive_Click()
{
    if (Loading_Lists)
        return;
    const QString drive = m_cmbDrive->text();
    if (drive == Last_Drive)
        return;
    const bool seriesChosen = m_cmbMotor_Series->listIndex() != -1;
    FlagGuard loading(Loading_Lists, true);
    AxisRecord& record = Current_Record();

    Pictures::showIn(m_picDrive, drive);
    m_cascade->hideResultDisplay();
    if (!seriesChosen)
        m_cmbMotor_Series->clear();
    m_cascade->emptyAndDisable(SelectionCascade::FrameSize);
    if (!Loading_Project)
        SelectionCascade::clearChoicesFrom(record, SelectionCascade::FrameSize);

    if (seriesChosen) {
        m_cascade->listFrameSizes();
        if (m_cmbFrame_size->listCount() == 0 && m_cascade->askResetAxis())
            return;
        // On No the record takes the drive the list shows.
    } else {
        m_cascade->listSeriesOfDrive();
    }

    m_cascade->clearDerived(record);
    if (!Loading_Project) {
        // A new drive drops the accessories chosen for the old one.
        for (AxisRecord::List21* list :
             {&record.Drive_Accessory_Entry, &record.Drive_Accessory_List_Index, &record.Drive_Accessory_Quantity,
              &record.Drive_Accessory_Description, &record.Drive_Accessory_List_Item})
            list->fill(QString());
        Update_Accessories_Display();
    }
    m_controls.show(m_cmdDriveAccessories);
    record.Drive_Name = drive;

    Loading_Lists = false;
    ListControl* next = seriesChosen ? m_cmbFrame_size : m_cmbMotor_Series;
    if (next->listCount() == 1)
        next->setListIndex(0);
}

void frmDrive_Setup::cmbMotor_Series_Click()
{
    m_cascade->motorSeriesClick();
}

void frmDrive_Setup::cmbFrame_size_Click()
{
    m_cascade->detailClick(SelectionCascade::FrameSize);
}

void frmDrive_Setup::cmbStack_length_Click()
{
    m_cascade->detailClick(SelectionCascade::StackLength);
}

void frmDrive_Setup::cmbWinding_Click()
{
    m_cascade->detailClick(SelectionCascade::Winding);
}

void frmDrive_Setup::cmbFeedback_Click()
{
    m_cascade->detailClick(SelectionCascade::FourthList);
}

void frmDrive_Setup::cmbShaft_options_Click()
{
    m_cascade->detailClick(SelectionCascade::FifthList);
}

void frmDrive_Setup::cmbCable_Option_Click()
{
    m_cascade->detailClick(SelectionCascade::CableOption);
}

void frmDrive_Setup::cmbOptions_Click()
{
    m_motorOptions->click();
}

void frmDrive_Setup::cmbDriveVoltage_Click()
{
    m_voltage->voltageClick();
}

void frmDrive_Setup::cmbWiring_Click()
{
    m_voltage->wiringClick();
}

void frmDrive_Setup::cmbMotor_Cable_Length_Click()
{
    m_cableLengths->click(CableLengthStep::MotorCable);
}

void frmDrive_Setup::cmbFeedback_Cable_Length_Click()
{
    m_cableLengths->click(CableLengthStep::FeedbackCable);
}

void frmDrive_Setup::Update_Accessories_Display()
{
    m_txtAccessories->setText(QString());
    const AxisRecord::List21& entries = Current_Record().Drive_Accessory_Entry;
    // Entries are packed from 0: an empty first entry means none.
    if (entries[0].isEmpty()) {
        m_txtAccessories->hide();
        m_lblAccessories->hide();
        return;
    }
    QString text;
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            text += entry + QStringLiteral("\r\n");
    m_txtAccessories->setText(text);
    m_controls.show(m_txtAccessories);
    m_controls.show(m_lblAccessories);
}

void frmDrive_Setup::cmdDriveAccessories_Click()
{
    FlagGuard loading(Loading_Lists, true);
    auto* dialog = Forms::get<frmAccessories>(QStringLiteral("frmAccessories"));
    if (!dialog)
        return;
    MultiList* list = dialog->lstAccessories();
    list->clear();

    AxisRecord& record = Current_Record();
    Recordset& rs = Run_Query(
        QStringLiteral("SELECT [Drive Only Accessories].[Drive Name], [Drive Only Accessories].[Drive Only Accessory] "
                       "From [Drive Only Accessories] WHERE ((([Drive Only Accessories].[Drive Name])=?) AND "
                       "(Not ([Drive Only Accessories].[Drive Only Accessory])='' And "
                       "Not ([Drive Only Accessories].[Drive Only Accessory])='N/A' And "
                       "Not ([Drive Only Accessories].[Drive Only Accessory])='None')) "
                       "ORDER BY [Drive Only Accessories].[Drive Only Accessory];"),
        {m_cmbDrive->text()});
    // The record keeps 21 offered accessories: the first 21 rows are offered.
    const int limit = static_cast<int>(record.Drive_Accessory_List_Item.size());
    for (int i = 0; !rs.eof() && i < limit; rs.moveNext(), ++i) {
        const QString accessory = rs.text(QStringLiteral("Drive Only Accessory"));
        list->addItem(accessory);
        record.Drive_Accessory_List_Index[i] = QString::number(i);
        record.Drive_Accessory_List_Item[i] = accessory;
    }
    for (int p = 0; p < list->listCount(); ++p)
        for (const QString& entry : record.Drive_Accessory_Entry)
            if (entry == record.Drive_Accessory_List_Item[p]) {
                list->setSelected(p, true);
                break;
            }

    dialog->optExp(0)->hide();
    dialog->optExp(1)->hide();
    dialog->setCaption(QStringLiteral("Drive Accessories"));
    dialog->Show();
    Current_Form = QStringLiteral("frmAccessories");
    Loading_Lists = false;
}

void frmDrive_Setup::cmdCurve_Click()
{
    frmCurve::Show_Axis_Curve(Current_Record());
}

QString frmDrive_Setup::Save_String()
{
    const AxisRecord& record = Current_Record();
    QString text = AxisProjectBlock::value(QString::number(System_Type));
    AxisProjectBlock::write(record, text);
    text += AxisProjectBlock::value(record.Drive_Voltage);
    text += AxisProjectBlock::value(record.Motor_Wiring);
    text += AxisProjectBlock::value(record.Motor_Technology);
    return text;
}

void frmDrive_Setup::replayProject()
{
    AxisRecord& record = Current_Record();
    AxisProjectBlock::read(Project_Lines, record);
    // Files of older versions end here: voltage, wiring and technology stay empty.
    for (auto [number, field] : {std::pair {128, &AxisRecord::Drive_Voltage},
                                 std::pair {129, &AxisRecord::Motor_Wiring},
                                 std::pair {130, &AxisRecord::Motor_Technology}})
        if (number <= Project_Lines.size())
            record.*field = Project_Lines.at(number - 1);
    ProjectReplay(m_controls).run(record);
    Update_Accessories_Display();
    Loading_Project = false;
}
