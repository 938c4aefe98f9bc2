#include "shell/frmGear.h"

#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/LimitedTextEdit.h"
#include "platform/ListControl.h"
#include "platform/Twips.h"
#include "shell/Dependents.h"
#include "shell/DialogSupport.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace {

const QString kGearheadList = QStringLiteral(
    "SELECT Gearhead.[Motor Name], Gearhead.Frame_Size, Gearhead.Stack_Length, Gearhead.GXX, Gearhead.Notes "
    "From Gearhead WHERE (((Gearhead.[Motor Name])=?) AND ((Gearhead.Frame_Size)=?) AND "
    "((Gearhead.Stack_Length)=?)) ORDER BY Gearhead.GXX;");

const QString kGearheadRow = QStringLiteral(
    "SELECT Gearhead.[Motor Name], Gearhead.Frame_Size, Gearhead.Stack_Length, Gearhead.GXX, Gearhead.Notes "
    "From Gearhead WHERE (((Gearhead.[Motor Name])=?) AND ((Gearhead.Frame_Size)=?) AND "
    "((Gearhead.Stack_Length)=? AND ((Gearhead.GXX)=?)));");

// The gearhead dialog serves the setup forms; no other context has a motor.
bool servesKind(int systemType)
{
    return SetupKinds::find(systemType) != nullptr;
}

} // namespace

const QString frmGear::Keyway = QStringLiteral("K = Keyway");

frmGear::frmGear()
    : Form(Name, OwnedDialog)
{
    setCaption(QStringLiteral("Gearhead Selection"));

    m_Label1 = new QLabel(QStringLiteral("Gearhead Selection"), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setGeometry(Twips::rect(120, 120, 2400, 255));

    m_cmbGear = new ListControl(this);
    m_cmbGear->setObjectName(QStringLiteral("cmbGear"));
    m_cmbGear->setGeometry(Twips::rect(120, 420, 2400, 315));
    m_cmbGear->setClickHandler([this] { cmbGear_Click(); });

    m_lblNotes = new QLabel(QStringLiteral("Notes"), this);
    m_lblNotes->setObjectName(QStringLiteral("lblNotes"));
    m_lblNotes->setGeometry(Twips::rect(2760, 120, 1200, 255));

    m_txtNotes = new LimitedTextEdit(Globals::Max_Typed_Length, this);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_txtNotes->setGeometry(Twips::rect(2760, 420, 2520, 1500));

    m_cmdDone = new QPushButton(QStringLiteral("Done"), this);
    m_cmdDone->setObjectName(QStringLiteral("cmdDone"));
    m_cmdDone->setGeometry(Twips::rect(120, 1545, 1095, 375));
    connect(m_cmdDone, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdDone_Click(); }); });

    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(Twips::rect(1425, 1545, 1095, 375));
    connect(m_cmdCancel, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdCancel_Click(); }); });
}

QStringList frmGear::Offered_Gearheads(const AxisRecord& r)
{
    QStringList offered;
    for (Recordset& rs = Globals::Run_Query(kGearheadList, {r.Motor_Series, r.Frame_Size, r.Stack_Length}); !rs.eof();
         rs.moveNext()) {
        const QString code = rs.text(QStringLiteral("GXX"));
        if (code.isEmpty())
            break;
        if (!offered.contains(code))
            offered.append(code);
    }
    return offered;
}

QString frmGear::Gearhead_Notes(const AxisRecord& r, const QString& code)
{
    const Recordset& rs = Globals::Run_Query(kGearheadRow, {r.Motor_Series, r.Frame_Size, r.Stack_Length, code});
    return rs.eof() ? QString() : rs.text(QStringLiteral("Notes"));
}

void frmGear::Return_To(const QString& option)
{
    if (!option.startsWith(QLatin1String("GXX"), Qt::CaseInsensitive))
        m_optionBefore = option;
}

void frmGear::Form_Load()
{
    placeAboveScreenMiddle(5520, 2595);
    m_cancel = false;
    m_optionBefore.clear();
    m_kind = Globals::System_Type;
    setSubject(Stage::MotorOption, Globals::Current_Axis);

    m_txtNotes->setPlainText(QString());
    m_txtNotes->hide();
    m_cmbGear->clear();
    m_lblNotes->hide();

    {
        FlagGuard loading(Globals::Loading_Lists, true);
        Globals::Distinct_Count = 0;
        if (servesKind(m_kind)) {
            Globals::Distinct_List = Offered_Gearheads(Globals::Current_Record());
            Globals::Distinct_Count = static_cast<int>(Globals::Distinct_List.size());
            m_cmbGear->addItems(Globals::Distinct_List);
        }
    }
    m_cmbGear->setListIndex(-1);
    DialogSupport::setToolbarEnabled(false);
}

void frmGear::cmbGear_Click()
{
    if (Globals::Loading_Lists)
        return;
    FlagGuard loading(Globals::Loading_Lists, true);
    Globals::Distinct_Count = 0;
    if (!servesKind(m_kind))
        return;
    // A gearhead without notes (no row or a Null field) shows an empty box.
    m_txtNotes->setPlainText(Gearhead_Notes(Globals::Current_Record(), m_cmbGear->text()));
    m_txtNotes->show();
    m_lblNotes->show();
}

void frmGear::cmdDone_Click()
{
    Unload();
}

void frmGear::cmdCancel_Click()
{
    m_cancel = true;
    Unload();
}

void frmGear::closeAsCancel()
{
    cmdCancel_Click();
}

QString frmGear::Saved_Option(const AxisRecord& record)
{
    const auto* open = Forms::find<frmGear>();
    if (!open || &record != &Globals::Current_Record() || !record.Motor_Option.startsWith(QLatin1String("GXX"), Qt::CaseInsensitive))
        return record.Motor_Option;
    return open->m_optionBefore;
}

void frmGear::Form_Unload(bool& cancel)
{
    (void)cancel;
    const QString callerName = SetupKinds::formName(m_kind);
    const bool chosen = !m_cancel && !m_cmbGear->text().isEmpty();
    m_cancel = false;
    // The dialog closes and gives the toolbar back even when the caller's own
    // handling of the choice fails; that failure is still reported.
    const auto finish = qScopeGuard([&callerName] {
        if (!callerName.isEmpty())
            Globals::Current_Form = callerName;
        DialogSupport::setToolbarEnabled(true);
    });
    // The caller is open whenever this dialog is; a caller closed meanwhile is
    // not brought back to life just to receive the choice.
    SetupForm* caller = callerName.isEmpty() ? nullptr : Forms::find<SetupForm>(callerName);
    if (chosen)
        writeBack(caller);
    else if (caller)
        restoreOption(caller);
}

void frmGear::restoreOption(SetupForm* caller)
{
    ListControl* options = caller->cmbOptions();
    // An option the user chose meanwhile stands.
    if (!options->text().startsWith(QLatin1String("GXX"), Qt::CaseInsensitive))
        return;
    // A curve shown meanwhile was drawn for the placeholder.
    Dependents::closeWindows(Stage::MotorResult);
    FlagGuard loading(Globals::Loading_Lists, true);
    if (m_optionBefore.isEmpty() || !options->setText(m_optionBefore))
        options->setListIndex(-1);
    Globals::Current_Record().Motor_Option = options->text();
}

void frmGear::writeBack(SetupForm* caller)
{
    AxisRecord& r = Globals::Current_Record();
    if (r.Shaft_Option != Keyway) {
        // The caller's shaft-option handler must not run for this selection.
        FlagGuard loading(Globals::Loading_Lists, true);
        if (caller) {
            ListControl* shaft = caller->cmbShaft_options();
            // A fixed-entry list can only select what it holds.
            if (!shaft->items().contains(Keyway))
                shaft->addItem(Keyway);
            shaft->setText(Keyway);
        }
        r.Shaft_Option = Keyway;
    }
    const QString code = m_cmbGear->text();
    r.Gearhead_Code = code;
    r.Gearhead_Notes = m_txtNotes->toPlainText();
    if (caller) {
        // Selecting the new entry runs the caller's motor-options handling with
        // the gearhead as the option.
        ListControl* options = caller->cmbOptions();
        options->addItem(code);
        options->setText(code);
    }
}
