#pragma once

#include "shell/AccessoryStore.h"
#include "shell/Stage.h"

#include <QStringList>

#include <functional>

class DatabaseFault;
struct AccessoryRequest;
struct AxisRecord;

// One File > Open of a project against the catalogue, in one place: what the
// replay does with a value the catalogue does not offer as the file holds it,
// or meets damaged at its step, and what the user is told of it.
//
// Each value of the project (a row of the stage table, Dependents) takes the
// outcome of its stage: the product (drive, drive/controller, controller) and
// the motor, from its series to the motor option that chooses its
// configuration, refuse the file with the load error, as the catalogue that
// lacks them cannot show the project at all; anything else is left for the
// user, emptied with what derives from it, and the project opens. Once the
// replay is done, every value the file holds that the project now holds
// otherwise is named in one message, with each fault of the catalogue met.
class Reconciliation {
public:
    enum Outcome { Refused, LeftForUser };

    // The table of outcomes: what a value at the stage that the catalogue no
    // longer offers, or whose step meets the catalogue's fault, does to the file.
    static Outcome whenNotOffered(Stage stage);

    // A step of the replay that puts back a value at the stage of the axis
    // (0 for a value of the system): what it cannot put back refuses the
    // file (it throws on) or is left for the user.
    void attempt(Stage stage, int axis, const std::function<void()>& step);
    // A step that derives what only Done would otherwise derive: the
    // catalogue's fault it meets is told and the project keeps what the file
    // left, as before any Done. False when the step failed.
    bool attemptDerived(const std::function<void()>& step);
    // The value at the stage, and every value below it, emptied for the user
    // to choose again, also while the replay keeps values.
    void leave(Stage stage, int axis);

    // The accessories of a context that the catalogue no longer offers as the
    // file holds them (an entry gone, one held in two rows): what the offer
    // holds of them stored again as the accessory dialog stores what it
    // shows for `request`.
    void keepOffered(const AccessoryRequest& request, const AccessoryStore::Offer& offer);
    // What the accessory dialog stores for `request` when it is opened and
    // closed with nothing changed, as the options dialog's Done stores it.
    static void storeAsShown(const AccessoryRequest& request);
    // The same for the drive accessories of the current axis, and its
    // required drive accessory, which one of them must name.
    void keepOfferedDriveAccessories(const AccessoryRequest& request, const AxisRecord& record);

    // Once the replay and the restore of the options dialog it opened are
    // done: the values the file holds, read by `readHeld` into the program's
    // state over a copy of the reopened values, set against the reopened
    // ones; one message names each value that differs and what the project
    // now holds, and each fault of the catalogue met. `axesNamed`: the
    // project has axes of its own (a controller's).
    void tell(const std::function<void()>& readHeld, bool axesNamed) const;

private:
    QStringList m_faults;
};
