#include "setup/controller/frmControl.h"

#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "setup/common/FormControls.h"
#include "setup/controller/ControllerOptions.h"
#include "setup/controller/frmController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

#include <QEvent>
#include <QLabel>

using namespace Globals;

// Levels are numbered from 0: the accessory dialog reads levels 2 and 3, which
// carry a controller's axis count, as cmb1(1) and cmb1(2).
frmControl::frmControl()
    : OptionsLevelsDialog({SetupKinds::Controller, Levels, 0, QStringLiteral("Controller"),
                           QStringLiteral("picController"),
                           QStringLiteral("Previously selected controller option no longer available or restructured."),
                           &Controller_Options, Stage::ControllerOptions, Stage::ControllerResult,
                           {7275, 8010, 3255, {3840, 360, 2160, 1860}, {240, 4800, 3255, 495},
                            {3840, 2640, 3135, 1815}, {3840, 4560, 1455, 375}, {5400, 6360, 1575, 495}}})
{
    auto* warning = FormControls::make<QLabel>(this, QStringLiteral("lblWarning"), 240, 5520, 6735, 615);
    warning->setText(QStringLiteral("Warning, this software does not check if the user has selected the correct "
                                    "number of stepper and servo axis for the selected drives.  This is up to "
                                    "the user."));
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmControl::listLevel(ListControl* list, int level, const QStringList& above) const
{
    list->addItems(ControllerOptions::levelValues(Controller_Name, level, above));
}

QStringList frmControl::levelCaptions() const
{
    return ControllerOptions::captions(Controller_Name);
}

QString frmControl::configure(const QStringList& chosen)
{
    const ControllerOptions::Configuration c = ControllerOptions::configuration(Controller_Name, chosen);
    Controller_DUW_Ready = c.duwReady;
    Controller_JTR_Ready = c.jtrReady;
    Controller_LUMIO_Ready = c.lumioReady;
    frmAccessories::strExpIO_Note = c.expansionNotes;
    Controller_Part_Number = c.partNumber;
    return c.partNumber;
}

namespace {
AccessoryRequest accessories()
{
    return {Controller_Name,
            ControllerOptions::accessoriesSql(),
            QStringLiteral("Controller Accessory"),
            QStringLiteral("Controller Accessories"),
            SetupKinds::Controller,
            &Controller_Accessories,
            AccessoryRequest::Expansion {Controller_JTR_Ready, Controller_DUW_Ready, Controller_LUMIO_Ready,
                                         Controller_Expansion_IO != 0}};
}
} // namespace

AccessoryRequest frmControl::accessoryRequest() const
{
    return accessories();
}

AccessoryStore::Offer frmControl::Offered_Accessories()
{
    AccessoryStore::Offer offer;
    offer.accessories = accessories().offered();
    // Cards only where the saved configuration takes them.
    offer.cards = ControllerOptions::cards(Controller_Name, ControllerOptions::saved());
    offer.controllerOption2 = Controller_Options[2];
    offer.controllerOption3 = Controller_Options[3];
    return offer;
}

void frmControl::configurationDone(bool complete)
{
    if (!complete) {
        Controller_Part_Number.clear();
        return;
    }
    // Counts the catalogue cannot give leave the dialog open and the system as it was.
    ControllerOptions::takeAxisCounts(Controller_Name, ControllerOptions::saved());
    if (auto* setup = setupForm<frmController_Setup>())
        setup->Show_Controller_Part_Number(true);
}

void frmControl::closed(bool byUser)
{
    // Taken down with the setup form or the main window, the dialog leaves
    // the setup form alone.
    if (auto* setup = setupForm<frmController_Setup>(); setup && byUser) {
        // A smaller count hides the axes beyond it and empties none: a larger
        // one shows them again as they were.
        setup->Rebuild_Axis_List(Total_Axes);
        setup->Show_Controller_Part_Number(false);
    }
}

void frmControl::Form_Activate()
{
    if (Current_Form != frmAccessories::Name)
        return;
    if (Form* dialog = Forms::find<frmAccessories>()) {
        dialog->frameWidget()->raise();
        dialog->frameWidget()->activateWindow();
    }
}

void frmControl::changeEvent(QEvent* event)
{
    OptionsLevelsDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        HandlerCall::fromEventLoop([this] { Form_Activate(); });
}
