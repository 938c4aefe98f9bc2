#include "setup/common/SetupFormBase.h"

#include "curves/frmCurve.h"
#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "platform/Twips.h"
#include "setup/common/CableLengthStep.h"
#include "setup/common/DriveChoiceStep.h"
#include "setup/common/DriveVoltageStep.h"
#include "setup/common/MotorOptionsStep.h"
#include "setup/common/ResultArea.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/SetupProjectFile.h"
#include "shell/Dependents.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"

#include <QPushButton>

#include <exception>
#include <stdexcept>

using namespace Globals;

namespace {

const SetupKinds::Kind& kindOf(int number)
{
    const SetupKinds::Kind* kind = SetupKinds::find(number);
    if (!kind)
        throw std::logic_error("No setup form serves this setup kind.");
    return *kind;
}

std::function<void()> keepingFlags(std::function<void()> handler, ResultArea* area)
{
    return [handler = std::move(handler), area] {
        ResultArea::Batch batch(area);
        const bool lists = Loading_Lists;
        const bool project = Loading_Project;
        try {
            handler();
        } catch (...) {
            Loading_Lists = lists;
            Loading_Project = project;
            throw;
        }
    };
}

} // namespace

SetupFormBase::SetupFormBase(int kind, const QString& caption, int widthTwips, int heightTwips)
    : Form(kindOf(kind).form), m_kind(kindOf(kind)), m_widthTwips(widthTwips), m_heightTwips(heightTwips)
{
    setCaption(caption);
    resize(Twips::size(widthTwips, heightTwips));
    m_resultArea = new ResultArea(this);
    m_rules.systemType = kind;
}

SetupFormBase::~SetupFormBase() = default;

void SetupFormBase::closeDatabase()
{
    Shared_Recordset.close();
    System_Database.Close();
}

void SetupFormBase::onClick(ListControl* list, std::function<void()> handler)
{
    list->setClickHandler(keepingFlags(std::move(handler), m_resultArea));
}

void SetupFormBase::onClick(QPushButton* button, std::function<void()> handler)
{
    connect(button, &QPushButton::clicked, this,
            [guarded = keepingFlags(std::move(handler), m_resultArea)] { HandlerCall::fromEventLoop(guarded); });
}

void SetupFormBase::wireCascade(std::unique_ptr<DriveChoiceStep> driveChoice,
                                std::unique_ptr<MotorOptionsStep> motorOptions,
                                std::unique_ptr<DriveVoltageStep> voltage)
{
    m_driveChoice = std::move(driveChoice);
    m_motorOptions = std::move(motorOptions);
    m_voltage = std::move(voltage);
    m_cableLengths = std::make_unique<CableLengthStep>(m_controls);

    const CascadeControls& c = m_controls;
    SelectionCascade* cascade = m_cascade.get();
    const auto detail = [cascade](SelectionCascade::Stage stage) {
        return [cascade, stage] { cascade->detailClick(stage); };
    };
    onClick(c.driveList, [this] { m_driveChoice->click(); });
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
    onClick(static_cast<QPushButton*>(c.cmdCurve), [] { frmCurve::Show_Axis_Curve(Current_Record()); });
}

void SetupFormBase::Form_Load()
{
    moveTwips(0, 0);
    setSizeTwips(m_widthTwips, m_heightTwips);
    // The project's own window: it goes with the project.
    setSubject(Stage::Project);
    Current_Axis = 1;
    Reset();
    Current_Form = Name();
    System_Type = m_kind.number;
}

void SetupFormBase::Form_Activate()
{
    // A dialog opened from the form stays in front when the user clicks the form.
    const QString& options = m_kind.optionsDialog;
    QStringList front;
    if (Current_Form == frmGear::Name || (!options.isEmpty() && Current_Form == options)) {
        front << Current_Form;
    } else if (Current_Form == frmAccessories::Name) {
        // Opened by the options dialog (System_Type is then this form's kind): that one comes back under it.
        if (!options.isEmpty() && System_Type == m_kind.number)
            front << options;
        front << frmAccessories::Name;
    }
    for (const QString& name : front) {
        if (Form* dialog = Forms::find(name)) {
            dialog->frameWidget()->raise();
            dialog->frameWidget()->activateWindow();
        }
    }
}

void SetupFormBase::Form_Unload(bool&)
{
    // The dialogs and the curve window store what they show through the
    // form's lists, which query the catalogue.
    Dependents::closeWindows(Stage::System);
    closeDatabase();
    if (!Loading_Project)
        if (Form* selection = Forms::get(frmSelection::Name))
            selection->Show();
    // New menu, caption "Brevan Quenro", toolbar buttons 1 and 2 on, 3, 5, 6 and 7 off.
    if (mdiMain* main = mdiMain::instance())
        main->showStartState();
    Current_Form = frmSelection::Name;
}

void SetupFormBase::Form_Terminate()
{
    closeDatabase();
}

void SetupFormBase::Open_File()
{
    SetupProjectFile::open(*this, *this, m_kind.number);
}

void SetupFormBase::Load_Previous_Values()
{
    // A fault of the catalogue is named as such, not as a fault of the file.
    Require_Catalogue_Tables();
    try {
        // The replay's pictures and results appear together, after it.
        ResultArea::Batch batch(m_resultArea, ResultArea::Batch::AtOnce);
        replayProject();
    } catch (const std::exception& e) {
        // Nothing of a refused file stays: what the replay reached could still
        // be exported, and what only files carry written into another project.
        try {
            Reset();
        } catch (const std::exception&) {
            // A catalogue that fails again has said so; the load error follows.
        }
        {
            FlagGuard emptying(Loading_Project, false);
            Dependents::drop(Stage::Project, 0, Dependents::Windows);
        }
        if (dynamic_cast<const DatabaseFault*>(&e))
            throw;
        SetupProjectFile::loadFailed();
    }
}
