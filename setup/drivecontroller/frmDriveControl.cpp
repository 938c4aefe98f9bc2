#include "setup/drivecontroller/frmDriveControl.h"

#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "platform/Pictures.h"
#include "setup/common/AccessoryList.h"
#include "setup/common/FormControls.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/DriveControllerPartNumber.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/AccessoryStore.h"
#include "shell/DialogSupport.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

#include <QLabel>
#include <QPushButton>

#include <exception>
#include <functional>
#include <stdexcept>

using namespace Globals;

namespace {

const QString kLostOption =
    QStringLiteral("Previously selected DriveController option no longer available or restructured.");
const QString kNotApplicable = QStringLiteral("N/A");
const QString kTable = QStringLiteral("[All DriveControllers]");

QString column(const QString& name)
{
    return kTable + QStringLiteral(".[") + name + QLatin1Char(']');
}

QString option(int level)
{
    return column(QStringLiteral("Option%1").arg(level));
}

// The drive/controller's name and the options of the levels before `levels`.
QString whereChosen(int levels)
{
    QString where = QStringLiteral("(((%1)=?)").arg(column(QStringLiteral("DriveController Name")));
    for (int level = 1; level <= levels; ++level)
        where += QStringLiteral(" AND ((%1)=?)").arg(option(level));
    return where + QLatin1Char(')');
}

QVariantList chosenValues(int levels)
{
    QVariantList values {Drive_Controller_Name};
    for (int level = 1; level <= levels; ++level)
        values << Drive_Controller_Options[level];
    return values;
}

// The values of a level, narrowed by the levels above it.
QString levelSql(int level)
{
    QStringList columns {column(QStringLiteral("DriveController Name"))};
    for (int l = 1; l <= level; ++l)
        columns << option(l);
    return QStringLiteral("SELECT %1 From %2 WHERE %3ORDER BY %4;")
        .arg(columns.join(QStringLiteral(", ")), kTable, whereChosen(level - 1), option(level));
}

const QString kConfiguration =
    QStringLiteral("SELECT %1, %2, %3, %4, %5, %6, %7, %8, %9 From ")
        .arg(column(QStringLiteral("DriveController Name")), option(1), option(2), option(3), option(4),
             column(QStringLiteral("PartNumber")), column(QStringLiteral("JTR Ready")),
             column(QStringLiteral("DUW Ready")), column(QStringLiteral("Expansion IO Notes")))
    + kTable + QStringLiteral(" WHERE ") + whereChosen(frmDriveControl::Levels) + QLatin1Char(';');

const QString kOptionNames = QStringLiteral(
    "SELECT [DriveController Option Names].[DriveController Name], "
    "[DriveController Option Names].[Drivecontroller Option1 Name], "
    "[DriveController Option Names].[Drivecontroller Option2 Name], "
    "[DriveController Option Names].[Drivecontroller Option3 Name], "
    "[DriveController Option Names].[Drivecontroller Option4 Name] "
    "From [DriveController Option Names] WHERE ((([DriveController Option Names].[DriveController Name])=?));");

const QString kOfferedAccessories = QStringLiteral(
    "SELECT [DriveController Accessories].[DriveController Name], "
    "[DriveController Accessories].[DriveController Accessory] From [DriveController Accessories] WHERE "
    "((([DriveController Accessories].[DriveController Name])=?) AND "
    "(Not ([DriveController Accessories].[DriveController Accessory])='' And Not "
    "([DriveController Accessories].[DriveController Accessory])='N/A')) "
    "ORDER BY [DriveController Accessories].[DriveController Accessory];");

const QString kOfferedAccessoryColumn = QStringLiteral("DriveController Accessory");

frmDriveController_Setup* setupForm()
{
    return Forms::find<frmDriveController_Setup>();
}

// A failing step is reported and the caller goes on with the next one.
void reportFailure(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception&) {
        MsgBox::show(kLostOption, MsgBox::OKOnly, Product_Title);
    }
}

void clearAccessoryChoice()
{
    Drive_Controller_Accessories.clear();
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top)
{
    auto* b = FormControls::make<QPushButton>(parent, name, left, top, 1380, 420);
    b->setText(caption);
    return b;
}

} // namespace

frmDriveControl::frmDriveControl()
    : Form(Name, OwnedDialog)
{
    setCaption(QStringLiteral("Drive/Controller Selection"));
    for (int level = 1; level <= Levels; ++level) {
        const int top = 360 + (level - 1) * 720;
        m_lbl1[level] = FormControls::label(this, QStringLiteral("lbl1(%1)").arg(level), QString(), 240, top - 240, 3480);
        m_cmb1[level] = FormControls::make<ListControl>(this, QStringLiteral("cmb1(%1)").arg(level), 240, top, 3480, 315);
        m_cmb1[level]->setClickHandler([this, level] { cmb1_Click(level); });
    }
    m_picDriveController = FormControls::make<QLabel>(this, QStringLiteral("picDriveController"), 4080, 360, 2880, 2475);
    m_picDriveController->setScaledContents(true);
    m_picDriveController->setFrameShape(QFrame::Box);

    m_lblResults = FormControls::label(this, QStringLiteral("lblResults"), QStringLiteral("Drive/Controller Part Number"), 240,
                         3000, 3480);
    m_txtResults = FormControls::make<TextBox>(this, QStringLiteral("txtResults"), 240, 3240, 3480, 960);
    m_lblNotes = FormControls::label(this, QStringLiteral("lblNotes"), QStringLiteral("Notes"), 240, 4320, 3480);
    m_txtNotes = FormControls::make<TextBox>(this, QStringLiteral("txtNotes"), 240, 4560, 3480, 900);
    m_lblAccessories = FormControls::label(this, QStringLiteral("lblAccessories"), QStringLiteral("Selected Controller Accessories"),
                             4080, 3000, 2880);
    m_txtAccessories = FormControls::make<TextBox>(this, QStringLiteral("txtAccessories"), 4080, 3240, 2880, 1620);
    m_cmdAccessories = button(this, QStringLiteral("cmdAccessories"), QStringLiteral("Accessories"), 4080, 5040);
    m_cmdDone = button(this, QStringLiteral("cmdDone"), QStringLiteral("Done"), 5580, 5040);
    connect(m_cmdAccessories, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdAccessories_Click(); }); });
    connect(m_cmdDone, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { cmdDone_Click(); }); });
}

ListControl* frmDriveControl::cmb1(int index) const
{
    return index >= 1 && index <= Levels ? m_cmb1[index] : nullptr;
}

QLabel* frmDriveControl::lbl1(int index) const
{
    return index >= 1 && index <= Levels ? m_lbl1[index] : nullptr;
}

void frmDriveControl::showLevel(int level, bool shown)
{
    m_cmb1[level]->setHidden(!shown);
    m_lbl1[level]->setHidden(!shown);
}

void frmDriveControl::hideAccessories()
{
    m_lblAccessories->hide();
    m_txtAccessories->hide();
    if (frmDriveController_Setup* setup = setupForm())
        setup->hideAccessories();
}

void frmDriveControl::fillLevel(int level)
{
    // Level 1 lists no empty value; below it an empty value is an option like any other.
    SelectionCascade::fillDistinct(m_cmb1[level], levelSql(level), chosenValues(level - 1),
                                   QStringLiteral("Option%1").arg(level), level > 1);
}

void frmDriveControl::Form_Load()
{
    setSizeTwips(7290, 6060);
    moveTwips(500, 500);
    {
        FlagGuard loading(Loading_Lists, true);
        const frmDriveController_Setup* setup = setupForm();
        Pictures::showIn(m_picDriveController, setup ? setup->cmbDriveController()->text() : Drive_Controller_Name);
        for (TextBox* box : {m_txtResults, m_txtNotes, m_txtAccessories}) {
            box->setText(QString());
            box->hide();
        }
        for (QWidget* w : std::initializer_list<QWidget*> {m_lblResults, m_lblNotes, m_cmdAccessories, m_lblAccessories})
            w->hide();
        for (int level = 1; level <= Levels; ++level)
            showLevel(level, false);
        // The accessory dialog is made only for the accessory choice itself:
        // made here, its closing would store an empty choice.
        if (auto* accessories = Forms::find<frmAccessories>())
            accessories->lstAccessories()->clear();
        fillLevel(1);
    }

    {
        FlagGuard restoring(Restoring_Options, true);
        reportFailure([this] { restoreLevel(1); });
    }
    reportFailure([this] { selectSingleEntry(1); });
    reportFailure([this] {
        FlagGuard loading(Loading_Lists, true);
        const Recordset& rs = Run_Query(kOptionNames, {Drive_Controller_Name});
        if (rs.eof())
            throw std::runtime_error("The drive/controller's option names are missing.");
        for (int level = 1; level <= Levels; ++level)
            m_lbl1[level]->setText(rs.text(QStringLiteral("Drivecontroller Option%1 Name").arg(level)));
    });

    if (frmDriveController_Setup* setup = setupForm())
        setup->Update_Accessories_Display();
    Update_Accessories_Display();
    DialogSupport::setToolbarEnabled(false);
}

void frmDriveControl::restoreLevel(int level)
{
    const QString saved = Drive_Controller_Options[level];
    ListControl* list = m_cmb1[level];
    // Running a level again that already shows its value would restore (and
    // report) the levels below it twice.
    if (saved.isEmpty() || (list->listIndex() >= 0 && list->text() == saved))
        return;
    if (!list->setText(saved))
        throw std::runtime_error("A saved option is no longer offered.");
}

void frmDriveControl::selectSingleEntry(int level)
{
    ListControl* list = m_cmb1[level];
    if (list->listCount() != 1) {
        showLevel(level, true);
        return;
    }
    // An entry already selected is not chosen again: that would drop the
    // saved levels below it.
    list->setListIndex(0);
    showLevel(level, list->text() != kNotApplicable);
}

void frmDriveControl::readConfiguration()
{
    const Recordset& rs = Run_Query(kConfiguration, chosenValues(Levels));
    if (rs.eof()) {
        // Options that name no configuration build nothing.
        frmAccessories::strExpIO_Note.clear();
        Drive_Controller_JTR_Ready = false;
        Drive_Controller_DUW_Ready = false;
    } else {
        frmAccessories::strExpIO_Note = rs.text(QStringLiteral("Expansion IO Notes"));
        Drive_Controller_JTR_Ready = rs.boolean(QStringLiteral("JTR Ready"));
        Drive_Controller_DUW_Ready = rs.boolean(QStringLiteral("DUW Ready"));
        // An empty code is as absent as a Null one.
        const QString code = rs.text(QStringLiteral("PartNumber"));
        Drive_Controller_Option_Code = code.isEmpty() ? kNotApplicable : code;
    }
    DriveControllerPartNumber::build(Current_Record());
    const QString text = DriveControllerPartNumber::driveText();
    if (frmDriveController_Setup* setup = setupForm())
        setup->txtDriveController()->setText(text);
    m_txtResults->setText(text);
}

void frmDriveControl::cmb1_Click(int Index)
{
    if (Loading_Lists || Index < 1 || Index > Levels)
        return;
    FlagGuard loading(Loading_Lists, true);
    hideAccessories();
    Drive_Controller_Part_Number.clear();
    Drive_Controller_Option_Code.clear();
    for (int level = Index + 1; level <= Levels; ++level) {
        m_cmb1[level]->clear();
        showLevel(level, false);
        if (!Restoring_Options) {
            Drive_Controller_Options[level].clear();
            clearAccessoryChoice();
        }
    }
    Drive_Controller_Options[Index] = m_cmb1[Index]->text();

    if (Index == Levels) {
        m_cmdAccessories->show();
        readConfiguration();
        Loading_Lists = false;
        for (QWidget* w : std::initializer_list<QWidget*> {m_lblNotes, m_txtNotes, m_txtResults, m_lblResults})
            w->show();
        return;
    }

    for (QWidget* w : std::initializer_list<QWidget*> {m_cmdAccessories, m_txtResults, m_lblResults})
        w->hide();
    fillLevel(Index + 1);
    showLevel(Index + 1, true);
    Loading_Lists = false;

    const int next = Index + 1;
    selectSingleEntry(next);
    reportFailure([this, next] {
        FlagGuard restoring(Restoring_Options, true);
        restoreLevel(next);
    });
}

void frmDriveControl::cmdDone_Click()
{
    int chosen = 0;
    for (int level = 1; level <= Levels; ++level)
        chosen += m_cmb1[level]->text().isEmpty() ? 0 : 1;
    Distinct_Count = chosen;
    frmDriveController_Setup* setup = setupForm();
    if (chosen == Levels) {
        if (setup) {
            setup->txtDriveController()->show();
            setup->lblDriveController()->show();
        }
    } else if (MsgBox::show(QStringLiteral("Drive/Controller not fully configured.\r\n"
                                           "Hit Cancel to Return or OK to Discard."),
                            MsgBox::OKCancel, Product_Title)
               == MsgBox::Cancel) {
        return;
    }

    const AxisRecord& record = Current_Record();
    DriveControllerPartNumber::build(record);
    if (setup)
        setup->txtDriveController()->setText(DriveControllerPartNumber::driveText());

    // The accessory choice is stored again for the final configuration,
    // without showing the accessory dialog.
    prepareAccessories(false);
    Unload();
    Forms::unload<frmAccessories>();
}

void frmDriveControl::cmdAccessories_Click()
{
    prepareAccessories(true);
}

void frmDriveControl::prepareAccessories(bool show)
{
    hideAccessories();
    auto* dialog = Forms::get<frmAccessories>();
    if (!dialog)
        return;
    OptionButton* expansion = dialog->optExp(1);
    const QString caption =
        AccessoryStore::Expansion_Caption(Drive_Controller_JTR_Ready, Drive_Controller_DUW_Ready, false);
    expansion->setHidden(caption.isEmpty());
    if (!caption.isEmpty())
        expansion->setText(caption);

    FlagGuard loading(Loading_Lists, true);
    AccessoryList::offer(dialog->lstAccessories(), kOfferedAccessories, {Drive_Controller_Name},
                         kOfferedAccessoryColumn, Drive_Controller_Accessory_List_Index,
                         Drive_Controller_Accessory_List_Item, Drive_Controller_Accessory_Entry);

    // Expansion cards only where this configuration takes them; their
    // quantities come back on every card row.
    if (Drive_Controller_Expansion_IO && !expansion->isHidden()) {
        expansion->setValue(true);
        dialog->Restore_Card_Quantities(Drive_Controller_Accessory_Entry, Drive_Controller_Accessory_Quantity);
    } else {
        dialog->optExp(0)->setValue(true);
    }

    System_Type = SetupKinds::DriveController;
    dialog->setCaption(QStringLiteral("Drive/Controller Accessories"));
    if (show)
        dialog->Show();
    Current_Form = frmAccessories::Name;
}

AccessoryStore::Offer frmDriveControl::Offered_Accessories()
{
    AccessoryStore::Offer offer;
    offer.accessories = AccessoryList::offered(kOfferedAccessories, {Drive_Controller_Name}, kOfferedAccessoryColumn);
    const Recordset& rs = Run_Query(kConfiguration, chosenValues(Levels));
    if (!rs.eof())
        offer.cards = AccessoryStore::Cards(AccessoryStore::Expansion_Type(AccessoryStore::Expansion_Caption(
            rs.boolean(QStringLiteral("JTR Ready")), rs.boolean(QStringLiteral("DUW Ready")), false)));
    return offer;
}

void frmDriveControl::Update_Accessories_Display()
{
    AccessoryList::show(m_txtAccessories, m_lblAccessories, Drive_Controller_Accessory_Entry);
}

void frmDriveControl::Form_Unload(bool&)
{
    // However this dialog goes, the accessory dialog stores what it shows.
    Forms::unload<frmAccessories>();
    if (frmDriveController_Setup* setup = setupForm())
        setup->Update_Accessories_Display();
    Current_Form = frmDriveController_Setup::Name;
    DialogSupport::setToolbarEnabled(true);
}
