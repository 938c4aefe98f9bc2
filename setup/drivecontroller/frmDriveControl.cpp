#include "setup/drivecontroller/frmDriveControl.h"

#include "platform/ListControl.h"
#include "setup/common/FormControls.h"
#include "setup/common/OptionsTable.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/DriveControllerPartNumber.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"
#include "shell/frmAccessories.h"

#include <QLabel>

using namespace Globals;

namespace {

const QString kNotApplicable = QStringLiteral("N/A");
const OptionsTable kTable(QStringLiteral("All DriveControllers"), QStringLiteral("DriveController Name"));

QVariantList bound(const QStringList& options)
{
    return OptionsTable::bound(Drive_Controller_Name, options);
}

const QString kConfiguration = kTable.rowSql(frmDriveControl::Levels,
                                             {QStringLiteral("PartNumber"), QStringLiteral("JTR Ready"),
                                              QStringLiteral("DUW Ready"), QStringLiteral("Expansion IO Notes")});

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

AccessoryRequest accessories()
{
    return {Drive_Controller_Name,
            kOfferedAccessories,
            QStringLiteral("DriveController Accessory"),
            QStringLiteral("Drive/Controller Accessories"),
            SetupKinds::DriveController,
            &Drive_Controller_Accessories,
            AccessoryRequest::Expansion {Drive_Controller_JTR_Ready, Drive_Controller_DUW_Ready, false,
                                         Drive_Controller_Expansion_IO != 0}};
}

QStringList savedOptions()
{
    return {Drive_Controller_Options.begin() + 1, Drive_Controller_Options.begin() + 1 + frmDriveControl::Levels};
}

} // namespace

frmDriveControl::frmDriveControl()
    : OptionsLevelsDialog(
          {SetupKinds::DriveController, Levels, 1, QStringLiteral("Drive/Controller"),
           QStringLiteral("picDriveController"),
           QStringLiteral("Previously selected DriveController option no longer available or restructured."),
           &Drive_Controller_Options, Stage::DriveConfiguration, Stage::DriveControllerResult,
           // The part-number box holds four lines, down to the notes caption.
           {7290, 6060, 3480, {4080, 360, 2880, 2475}, {240, 3240, 3480, 1020}, {4080, 3240, 2880, 1620},
            {4080, 5040, 1380, 420}, {5580, 5040, 1380, 420}}})
{
    addShownWithResult(FormControls::label(this, QStringLiteral("lblNotes"), QStringLiteral("Notes"), 240, 4320, 3480));
    addShownWithResult(FormControls::make<TextBox>(this, QStringLiteral("txtNotes"), 240, 4560, 3480, 900));
}

void frmDriveControl::listLevel(ListControl* list, int level, const QStringList& above) const
{
    // Rows without a name are no drive/controller's: none chosen lists nothing.
    if (Drive_Controller_Name.isEmpty())
        return;
    // Level 1 lists no empty value; below it an empty value is an option like any other.
    SelectionCascade::fillDistinct(list, kTable.levelSql(level), bound(above), QStringLiteral("Option%1").arg(level),
                                   level > 1);
    // Options build a part number: a drive/controller the catalogue cannot
    // build one for opens no options (a plain drive offers none and needs none).
    if (level == 1 && list->listCount() > 0)
        Require_DriveController_Construction(Drive_Controller_Name);
}

QStringList frmDriveControl::levelCaptions() const
{
    const Recordset& rs = Run_Query(kOptionNames, {Drive_Controller_Name});
    QStringList captions;
    for (int level = 1; level <= Levels && !rs.eof(); ++level)
        captions << rs.text(QStringLiteral("Drivecontroller Option%1 Name").arg(level));
    return captions;
}

QString frmDriveControl::configure(const QStringList& chosen)
{
    // Options that name no configuration build nothing.
    if (const Recordset& rs = Run_Query(kConfiguration, bound(chosen)); !rs.eof()) {
        frmAccessories::strExpIO_Note = rs.text(QStringLiteral("Expansion IO Notes"));
        Drive_Controller_JTR_Ready = rs.boolean(QStringLiteral("JTR Ready"));
        Drive_Controller_DUW_Ready = rs.boolean(QStringLiteral("DUW Ready"));
        // An empty code is as absent as a Null one.
        const QString code = rs.text(QStringLiteral("PartNumber"));
        Drive_Controller_Option_Code = code.isEmpty() ? kNotApplicable : code;
    }
    return showPartNumber();
}

QString frmDriveControl::showPartNumber() const
{
    DriveControllerPartNumber::build(Current_Record());
    const QString text = DriveControllerPartNumber::driveText();
    if (auto* setup = setupForm<frmDriveController_Setup>())
        setup->txtDriveController()->setText(text);
    return text;
}

void frmDriveControl::configurationWithdrawn()
{
    // A part number that is the motor's own does not wait for the options.
    DriveControllerPartNumber::build(Current_Record());
    if (auto* setup = setupForm<frmDriveController_Setup>())
        setup->hideAccessories();
}

AccessoryRequest frmDriveControl::accessoryRequest() const
{
    return accessories();
}

void frmDriveControl::configurationDone(bool complete)
{
    if (auto* setup = setupForm<frmDriveController_Setup>(); setup && complete) {
        setup->txtDriveController()->show();
        setup->lblDriveController()->show();
    }
    showPartNumber();
}

void frmDriveControl::closed(bool)
{
    Update_Accessories_Display();
}

void frmDriveControl::Update_Accessories_Display()
{
    OptionsLevelsDialog::Update_Accessories_Display();
    if (auto* setup = setupForm<frmDriveController_Setup>())
        setup->Update_Accessories_Display();
}

AccessoryStore::Offer frmDriveControl::Offered_Accessories()
{
    AccessoryStore::Offer offer;
    offer.accessories = accessories().offered();
    offer.cards = kTable.cards(Drive_Controller_Name, savedOptions(), false);
    return offer;
}
