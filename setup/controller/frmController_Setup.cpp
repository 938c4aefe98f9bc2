#include "setup/controller/frmController_Setup.h"

#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "setup/common/DriveVoltageStep.h"
#include "setup/common/FormControls.h"
#include "setup/common/MotorOptionsStep.h"
#include "setup/common/ProjectReplay.h"
#include "setup/common/Reconciliation.h"
#include "setup/common/ResultArea.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "setup/controller/ControllerAccessoryDialog.h"
#include "setup/controller/ControllerCascade.h"
#include "setup/controller/ControllerChoiceStep.h"
#include "setup/controller/ControllerConnection.h"
#include "setup/controller/ControllerDriveChoiceStep.h"
#include "setup/controller/ControllerProjectFile.h"
#include "setup/controller/LineControl.h"
#include "shell/Dependents.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <stdexcept>

using namespace Globals;

namespace {

constexpr int kAxes = static_cast<int>(std::tuple_size_v<decltype(Axis)>);

QLabel* caption(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height)
{
    return FormControls::label(parent, QLatin1String(name), text, left, top, width, height);
}

ListControl* list(QWidget* parent, const char* name, int left, int top, int width)
{
    return FormControls::make<ListControl>(parent, QLatin1String(name), left, top, width, 315);
}

QLabel* picture(QWidget* parent, const char* name, int left, int top)
{
    QLabel* p = FormControls::make<QLabel>(parent, QLatin1String(name), left, top, 2160, 1860);
    p->setScaledContents(true);
    p->setFrameShape(QFrame::Box);
    return p;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height)
{
    QPushButton* b = FormControls::make<QPushButton>(parent, QLatin1String(name), left, top, width, height);
    b->setText(text);
    return b;
}

QString axisEntry(int axis)
{
    return QStringLiteral("Axis ") + QString::number(axis);
}

} // namespace

frmController_Setup::frmController_Setup()
    : SetupFormBase(SetupKinds::Controller, QStringLiteral("Controller, Drive and Motor Selection"), 13110, 9195)
{
    m_rules.technologyDrivesSql = QStringLiteral(
        "SELECT [Controller to Drive].[Drive Name], [Controller to Drive].[Tech] FROM [Controller to Drive] "
        "WHERE (([Controller to Drive].[Tech])=?) AND (([Controller to Drive].[Controller Name])=?) "
        "ORDER BY [Controller to Drive].[Drive Name];");
    m_rules.frameSizeNeedsPartNumberType = false;
    m_rules.optionsOrderBy = QStringLiteral("Options.Cable_Option");
    m_rules.gearheadOnlyWithoutGearhead = true;
    m_rules.optionsWritesDriveText = false;

    createControls();
    m_cascade = std::make_unique<ControllerCascade>(m_controls, m_rules, m_k.cmbController);
    m_connection = std::make_unique<ControllerConnection>(m_k);
    m_controllerChoice = std::make_unique<ControllerChoiceStep>(m_controls, m_k, *m_connection);
    wireHandlers();
}

frmController_Setup::~frmController_Setup() = default;

void frmController_Setup::createControls()
{
    CascadeControls& c = m_controls;
    ControllerControls& k = m_k;
    // The captions must fit the widths the form was drawn with.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    // Top row: controller, technology, drive, axis and copy source.
    caption(this, "lblController_Select", QStringLiteral("Controller Selection"), 240, 240, 1935, 255);
    k.cmbController = list(this, "cmbController", 240, 480, 1935);
    caption(this, "lblMotor_Tech", QStringLiteral("Motor Technology"), 2640, 240, 1695, 255);
    c.cmbMotor_Tech = list(this, "cmbMotor_Tech", 2640, 480, 1695);
    caption(this, "lblDrive_Select", QStringLiteral("Drive Selection"), 4800, 240, 1695, 255);
    c.driveList = list(this, "cmbDrive", 4800, 480, 1695);
    k.lblAxis = caption(this, "lblAxis", QStringLiteral("Axis Selection"), 6960, 240, 1695, 255);
    k.cmbAxis = list(this, "cmbAxis", 6960, 480, 1695);
    k.lblReplicate = caption(this, "lblReplicate", QStringLiteral("Copy Axis Selections From"), 8880, 240, 2415, 285);
    k.cmbReplicate = list(this, "cmbReplicate", 9240, 480, 1695);

    // The motor row: label above list, left to right in cascade order.
    caption(this, "lblMotor_Series", QStringLiteral("Motor Series"), 240, 1200, 1575, 255);
    c.cmbMotor_Series = list(this, "cmbMotor_Series", 240, 1440, 1575);
    c.makeDetailLists(this, 1575, 255, [](int stage) { return CascadeControls::Place {1800 + 1560 * stage, 1200}; });

    // What the cascade reveals lives in the result area.
    QWidget* results = resultArea();
    k.picController = picture(results, "picController", 240, 1920);
    c.picDrive = picture(results, "picDrive", 5160, 1920);
    c.picMotor_Series = picture(results, "picMotor_Series", 10080, 1920);

    k.cmdController = button(results, "cmdController", QStringLiteral("Configure Controller"), 360, 4200, 2055, 375);
    c.lblDriveVoltage = caption(results, "lblDriveVoltage", QStringLiteral("Drive Input Voltage"), 4440, 4005, 1575, 255);
    c.cmbDriveVoltage = list(results, "cmbDriveVoltage", 6000, 3960, 1575);
    c.lblwiring = caption(results, "lblwiring", QStringLiteral("Motor Wiring"), 4440, 4365, 1575, 255);
    c.cmbWiring = list(results, "cmbWiring", 6000, 4320, 1575);

    // Part numbers and connection texts.
    k.lblController_Part = caption(results, "lblController_Part", QStringLiteral("Controller Part Number"), 120, 4680,
                                   3255, 255);
    k.txtController_part = FormControls::make<TextBox>(results, QStringLiteral("txtController_part"), 120, 4920, 3255, 495);
    c.lblDrive = caption(results, "lblDrive", QStringLiteral("Drive Part Number"), 4560, 4680, 3255, 255);
    // Taller than drawn: a part number and notes wrapped on two lines, whole, without a scroll bar.
    c.txtDrive = FormControls::make<TextBox>(results, QStringLiteral("txtDrive"), 4200, 4920, 3975, 750);
    c.lblMotor_Part = caption(results, "lblMotor_Part", QStringLiteral("Motor Part Number"), 9120, 4680, 3255, 255);
    c.txtMotor_Part = FormControls::make<TextBox>(results, QStringLiteral("txtMotor_Part"), 9120, 4920, 3255, 495);
    // The connection row starts lower than drawn, below that box, in the room above the cable lengths.
    const int connections = 5700;
    k.lblController = caption(results, "lblController", QStringLiteral("Controller to Drive Connection Part Numbers"), 120,
                              connections, 5055, 255);
    k.txtController =
        FormControls::make<TextBox>(results, QStringLiteral("txtController"), 120, connections + 240, 4935, 1095);
    c.lblMotor = caption(results, "lblMotor", QStringLiteral("Drive to Motor Connection Part Numbers"), 7320, connections,
                         5055, 255);
    c.txtMotor = FormControls::make<TextBox>(results, QStringLiteral("txtMotor"), 7440, connections + 240, 4935, 1095);
    k.cmdDriveAccessories = button(results, "cmdDriveAccessories", QStringLiteral("Configure Drive Accessories"), 5160,
                                   connections, 2175, 615);
    c.driveButton = k.cmdDriveAccessories;
    // Drawn for a caption on two lines: one line fits in a smaller font.
    QFont smaller = small;
    smaller.setPointSize(7);
    k.cmdDriveAccessories->setFont(smaller);

    // Breakout and cable lengths.
    k.lblAxis_Number = caption(results, "lblAxis_Number", QStringLiteral("Number of TNL Axes Ports"), 1320, 7080, 2055, 255);
    k.cmbAxis_Number = list(results, "cmbAxis_Number", 1320, 7320, 2055);
    k.lblReq_Accessories_length = caption(results, "lblReq_Accessories_length",
                                          QStringLiteral("Controller to TNL Cable Length"), 1080, 7800, 2535, 255);
    k.cmbReq_Accessories_length = list(results, "cmbReq_Accessories_length", 1320, 8040, 2055);
    k.lblController_Cable_Length = caption(results, "lblController_Cable_Length",
                                           QStringLiteral("Controller to Drive Cable Length"), 5040, 7080, 2535, 255);
    k.cmbController_Cable_Length = list(results, "cmbController_Cable_Length", 5160, 7320, 2175);
    c.lblMotor_Cable_Length = caption(results, "lblMotor_Cable_Length", QStringLiteral("Motor to Drive Power Cable Length"),
                                      9600, 7080, 2535, 255);
    c.cmbMotor_Cable_Length = list(results, "cmbMotor_Cable_Length", 9840, 7320, 2055);
    c.lblFeedback_Cable_Length = caption(results, "lblFeedback_Cable_Length",
                                         QStringLiteral("Motor to Drive Feedback Cable Length"), 9480, 7800, 2775, 255);
    c.cmbFeedback_Cable_Length = list(results, "cmbFeedback_Cable_Length", 9840, 8040, 2055);
    c.cmdCurve = button(results, "cmdCurve", QStringLiteral("Show Speed/Torque Curve"), 5160, 7920, 2295, 495);

    // Two arrows: from the line joining two pictures down to their connection text.
    const int tip = connections - 120;
    k.lines = {new LineControl(results, QStringLiteral("Line1"), 2760, 3000, 4920, 3000),
               new LineControl(results, QStringLiteral("Line2"), 3840, 3000, 3840, tip),
               new LineControl(results, QStringLiteral("Line3"), 3600, tip - 240, 3840, tip),
               new LineControl(results, QStringLiteral("Line4"), 4080, tip - 240, 3840, tip)};
    c.lines = {new LineControl(results, QStringLiteral("Line5"), 7560, 3000, 9840, 3000),
               new LineControl(results, QStringLiteral("Line6"), 8640, 3000, 8640, tip),
               new LineControl(results, QStringLiteral("Line7"), 8400, tip - 240, 8640, tip),
               new LineControl(results, QStringLiteral("Line8"), 8880, tip - 240, 8640, tip)};

    c.resultArea = resultArea();
    k.resultArea = resultArea();
    c.listResultDisplay();

    const QList<QWidget*> tabs = {k.cmbController,    c.driveList,          c.cmbMotor_Series,
                                  c.cmbFrame_size,    c.cmbStack_length,    c.cmbWinding,
                                  c.cmbFeedback,      c.cmbShaft_options,   c.cmbCable_Option,
                                  c.cmbOptions,       k.cmdController,      k.cmbAxis_Number,
                                  k.cmbReq_Accessories_length, k.cmbController_Cable_Length,
                                  c.cmbMotor_Cable_Length, c.cmbFeedback_Cable_Length};
    for (qsizetype i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs.at(i - 1), tabs.at(i));
}

void frmController_Setup::wireHandlers()
{
    const ControllerControls& k = m_k;
    onClick(k.cmbController, [this] { m_controllerChoice->click(); });
    onClick(m_controls.cmbMotor_Tech, [this] { cmbMotor_Tech_Click(); });
    onClick(k.cmbAxis, [this] { cmbAxis_Click(); });
    onClick(k.cmbReplicate, [this] { cmbReplicate_Click(); });
    onClick(k.cmbAxis_Number, [this] { m_connection->portsClick(); });
    onClick(k.cmbReq_Accessories_length, [this] { m_connection->breakoutLengthClick(); });
    onClick(k.cmbController_Cable_Length, [this] { m_connection->cableLengthClick(); });
    onClick(k.cmdController, [this] { cmdController_Click(); });
    onClick(k.cmdDriveAccessories,
            [this] { ControllerAccessoryDialog::showDriveAccessories(m_controls.driveList->text()); });
    wireCascade(std::make_unique<ControllerDriveChoiceStep>(m_controls, m_k, *m_cascade, *this, *m_connection),
                std::make_unique<MotorOptionsStep>(m_controls, m_rules, Feedback_Key),
                std::make_unique<DriveVoltageStep>(m_controls, Feedback_Key));
}

void frmController_Setup::clearAxisDisplay()
{
    m_cascade->reset();
    for (QWidget* line : m_k.lines)
        line->hide();
    m_k.cmbController_Cable_Length->hide();
    m_k.cmbController_Cable_Length->clear();
    m_k.lblController_Cable_Length->hide();
    // The next choice in the controller list runs in full, as the cascade's lists do.
    Last_Controller.clear();
}

void frmController_Setup::Reset()
{
    const ControllerControls& k = m_k;
    // Dialogs of the earlier system store what they show before it goes, and
    // nothing of it reaches the new one's report or file: every axis goes too.
    Dependents::drop(Stage::System);
    closeDatabase();
    FlagGuard loading(Loading_Lists, true);
    k.cmbController->clear();
    clearAxisDisplay();
    // Two axes until a controller is configured; the first is edited.
    k.cmbAxis->clear();
    k.cmbAxis->addItems({axisEntry(1), axisEntry(2)});
    k.cmbAxis->setListIndex(0);
    k.cmbAxis->setEnabled(false);
    k.lblAxis->setEnabled(false);
    k.cmbReplicate->hide();
    k.lblReplicate->hide();
    k.cmdController->hide();
    for (TextBox* box : {k.txtController_part, k.txtController}) {
        box->setText(QString());
        box->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*> {k.lblController_Part, k.lblController, k.picController})
        w->hide();
    for (const auto& [l, label] : {std::pair<ListControl*, QWidget*> {k.cmbAxis_Number, k.lblAxis_Number},
                                   {k.cmbReq_Accessories_length, k.lblReq_Accessories_length}}) {
        l->hide();
        l->clear();
        label->hide();
    }

    Open_Database();

    k.cmbController->addItems(ControllerConnection::controllers());
    m_controls.cmbMotor_Tech->clear();
    SelectionCascade::fillRows(m_controls.cmbMotor_Tech, m_rules.technologiesSql, {}, m_rules.technologiesColumn,
                               false);
    Current_Axis = k.cmbAxis->listIndex() + 1;
}

void frmController_Setup::Reset_Axis()
{
    Dependents::drop(Stage::Axis);
    resetAxis(false);
}

void frmController_Setup::resetAxis(bool keepTechnology)
{
    {
        FlagGuard loading(Loading_Lists, true);
        clearAxisDisplay();
        // The technology list shows the record's technology, which goes with the axis.
        if (!keepTechnology)
            m_controls.cmbMotor_Tech->setListIndex(-1);
        Open_Database();
        Current_Axis = std::clamp(Current_Axis, 1, kAxes);
    }
    m_connection->writeText();
}

void frmController_Setup::Load_Axis(ProjectReplay::Mode mode, Reconciliation* reconciliation)
{
    ResultArea::Batch batch(resultArea(), ResultArea::Batch::AtOnce);
    resetAxis(false);
    AxisRecord& record = Current_Record();
    // Each stored value is selected in cascade order; its handler fills the next list.
    axisReplay(mode, reconciliation).run(record);
    const auto replay = [](ListControl* l, const QString& value) {
        try {
            ProjectReplay::selectOrClear(l, value);
        } catch (const std::exception&) {
            // A value no longer offered leaves the list unselected.
        }
    };
    if (reconciliation)
        reconciliation->attempt(Stage::ControllerCableLength, Current_Axis, [&] {
            ProjectReplay::selectOrClear(m_k.cmbController_Cable_Length, record.Controller_Cable_Length);
        });
    else
        replay(m_k.cmbController_Cable_Length, record.Controller_Cable_Length);
    // The controller-wide breakout values: a project file holds them to the catalogue with axis 1.
    replay(m_k.cmbAxis_Number, Breakout_Axes);
    replay(m_k.cmbReq_Accessories_length, Required_Accessory_Length);
    m_connection->writeText();
}

ProjectReplay frmController_Setup::axisReplay(ProjectReplay::Mode mode, Reconciliation* reconciliation) const
{
    ProjectReplay replay(m_controls, mode, reconciliation);
    if (mode == ProjectReplay::ControllerProject)
        replay.withVoltageLine(ControllerProjectFile::holdsVoltageLine(Project_Lines, Current_Axis));
    replay.withControllerDrives([this] {
        if (m_k.cmbController->listIndex() >= 0)
            m_controllerChoice->listDrives();
    });
    return replay;
}

void frmController_Setup::Update_Replicate()
{
    ListControl* copies = m_k.cmbReplicate;
    copies->clear();
    const int axes = std::clamp(Total_Axes, 0, kAxes);
    for (int i = 0; i < axes; ++i)
        if (i != m_k.cmbAxis->listIndex())
            copies->addItem(axisEntry(i + 1));
    copies->show();
    m_k.lblReplicate->show();
}

void frmController_Setup::Rebuild_Axis_List(int axes)
{
    ListControl* list = m_k.cmbAxis;
    int selected = list->listIndex();
    {
        FlagGuard loading(Loading_Lists, true);
        list->clear();
        const int count = std::clamp(axes, 1, kAxes);
        for (int axis = 1; axis <= count; ++axis)
            list->addItem(axisEntry(axis));
        list->setEnabled(true);
        m_k.lblAxis->setEnabled(true);
        Update_Replicate();
    }
    if (selected < 0 || selected >= list->listCount()) {
        Current_Axis = 1;
        selected = 0;
    }
    list->setListIndex(selected);
}

void frmController_Setup::cmbAxis_Click()
{
    if (Loading_Lists)
        return;
    const int index = m_k.cmbAxis->listIndex();
    if (index < 0)
        return;
    // The record of the axis the form leaves stays; the windows open for it go.
    Dependents::drop(Stage::Axis, Current_Axis, Dependents::Values);
    FlagGuard replaying(Loading_Project, true);
    Current_Axis = index + 1;
    Load_Axis();
    Update_Replicate();
}

void frmController_Setup::cmbReplicate_Click()
{
    ListControl* copies = m_k.cmbReplicate;
    if (copies->listIndex() < 0)
        return;
    const int source = copies->text().mid(QStringLiteral("Axis ").size()).toInt();
    if (source < 1 || source > kAxes)
        return;
    Dependents::drop(Stage::Axis);
    // Whole: what the replay rebuilds is rebuilt from the same values, and
    // nothing of the target stays where the source has nothing to rebuild.
    static_cast<AxisSelections&>(Current_Record()) = Axis[static_cast<std::size_t>(source - 1)];
    {
        FlagGuard replaying(Loading_Project, true);
        Load_Axis();
    }
    copies->setListIndex(-1);
}

void frmController_Setup::cmbMotor_Tech_Click()
{
    if (Loading_Lists)
        return;
    m_controls.driveList->clear();
    m_cascade->technologyChosen([this] {
        Dependents::drop(Stage::Technology);
        resetAxis(true);
    });
}

void frmController_Setup::cmdController_Click()
{
    const QString dialog = SetupKinds::find(SetupKinds::Controller)->optionsDialog;
    if (Form* options = Forms::get(dialog))
        options->Show();
    Current_Form = dialog;
}

void frmController_Setup::Show_Controller_Part_Number(bool show)
{
    m_k.txtController_part->setText(Controller_Part_Number);
    if (show) {
        m_k.show(m_k.txtController_part);
        m_k.show(m_k.lblController_Part);
    }
}

QStringList frmController_Setup::offeredDriveAccessories(const QString& drive) const
{
    return ControllerAccessoryDialog::offeredDriveAccessories(drive);
}

void frmController_Setup::settleBill()
{
    Required_Accessory_Part_Number = ControllerConnection::breakoutPartNumber();
}

QString frmController_Setup::Save_String()
{
    return ControllerProjectFile::text();
}

void frmController_Setup::replayProject()
{
    ControllerProjectFile::read(Project_Lines, AxisProjectBlock::Restored);
    Reconciliation reconciliation;
    ControllerProjectFile::replay(*this, m_k, reconciliation);
    reconciliation.tell([] { ControllerProjectFile::read(Project_Lines, AxisProjectBlock::Held); }, true);
}
