#include "setup/common/CarriedBill.h"

#include "platform/DatabaseFault.h"
#include "platform/MsgBox.h"
#include "shell/Report.h"

#include <utility>

using namespace Globals;

namespace {

// Each line of one bill paired with the line of the other that bills the same
// thing (the same description, in bill order): a pair whose part numbers
// differ, and a line without a pair, is a change. Quantities are the file's in
// both bills.
QStringList changes(const Bill& carried, const Bill& now)
{
    const QString path = System_Database.path();
    QList<bool> paired(now.size(), false);
    QStringList out;
    for (const BillLine& line : carried) {
        qsizetype match = 0;
        while (match < now.size() && (paired[match] || now[match].description != line.description))
            ++match;
        if (match == now.size()) {
            out << DatabaseFault::partNumberChanged(path, line.description, line.partNumber, QString());
            continue;
        }
        paired[match] = true;
        if (now[match].partNumber != line.partNumber)
            out << DatabaseFault::partNumberChanged(path, line.description, line.partNumber, now[match].partNumber);
    }
    for (qsizetype i = 0; i < now.size(); ++i)
        if (!paired[i])
            out << DatabaseFault::partNumberChanged(path, now[i].description, QString(), now[i].partNumber);
    return out;
}

} // namespace

CarriedBill::CarriedBill()
    : axes(Axis), controller(sharedState.controller), driveController(sharedState.driveController)
{
}

void CarriedBill::takeFromReopened()
{
    // The cables' part numbers and the drive's controller accessory come from
    // the catalogue for values the file holds (the cables and their lengths,
    // the drive and its controller).
    for (std::size_t a = 0; a < axes.size(); ++a) {
        AxisRecord& held = axes[a];
        const AxisRecord& reopened = Axis[a];
        held.Motor_Cable_Part_Number = reopened.Motor_Cable_Part_Number;
        held.Feedback_Cable_Part_Number = reopened.Feedback_Cable_Part_Number;
        held.Controller_Cable_Part_Number = reopened.Controller_Cable_Part_Number;
        held.Drive_Controller_Accessory = reopened.Drive_Controller_Accessory;
    }
    // A count of 0 takes the controller's own on reopening.
    if (controller.Total_Axes == 0)
        controller.Total_Axes = Total_Axes;
    // A configuration saved incomplete is completed by the options dialog's
    // levels of one entry, and one whose saved option is withdrawn is left to
    // the user with the dialog's own message: its part number and breakout
    // are the reopened project's.
    if (controller.configuration.Controller_Part_Number.isEmpty() || Controller_Part_Number.isEmpty()) {
        controller.configuration.Controller_Part_Number = Controller_Part_Number;
        controller.breakout = sharedState.controller.breakout;
    }
    if (driveController.Drive_Controller_Part_Number.isEmpty() || Drive_Controller_Part_Number.isEmpty())
        driveController.Drive_Controller_Part_Number = Drive_Controller_Part_Number;
}

void CarriedBill::exchange()
{
    std::swap(axes, Axis);
    std::swap(controller, sharedState.controller);
    std::swap(driveController, sharedState.driveController);
}

void CarriedBill::tellChanges() const
{
    CarriedBill file = *this;
    file.takeFromReopened();
    const Bill now = Current_Bill();
    Bill carried;
    file.exchange();
    try {
        carried = Current_Bill();
    } catch (...) {
        file.exchange();
        throw;
    }
    file.exchange();

    const QStringList told = changes(carried, now);
    if (!told.isEmpty())
        MsgBox::show(told.join(QStringLiteral("\r\n")), MsgBox::OKOnly, Product_Title);
}
