#pragma once

#include <QString>
#include <QStringList>

struct AccessoryRequest;

// The accessory dialog for the drive accessories of the current axis of the
// controller system, opened by the setup form; the options dialog opens it
// for the controller's own accessories.
class ControllerAccessoryDialog {
public:
    // What [Drive Accessories] offers for the drive (the first 21) with the
    // axis' choice marked, shown as "Drive Accessories" without the expansion
    // option, System_Type 3 until the dialog closes. One still open for the
    // controller closes first and stores what it shows there.
    static void showDriveAccessories(const QString& drive);
    // The opening of the dialog for the current axis' drive.
    static AccessoryRequest request(const QString& drive);
    // What the drive accessories dialog offers for the drive.
    static QStringList offeredDriveAccessories(const QString& drive);
};
