#pragma once

#include <QString>
#include <QStringList>

class frmAccessories;

// The accessory dialog in the controller system's two contexts: the
// controller's accessories (opened by the options dialog) and the drive
// accessories of the current axis (opened by the setup form).
class ControllerAccessoryDialog {
public:
    // The dialog for the context about to fill it. One still open for the
    // other context closes first and stores what it shows there.
    static frmAccessories* open(int context);

    // The drive accessories of the current axis: what [Drive Accessories]
    // offers for the drive (the first 21) with the axis' choice marked, shown
    // as "Drive Accessories" without the expansion option, System_Type 3
    // until the dialog closes.
    static void showDriveAccessories(const QString& drive);
    // What the drive accessories dialog offers for the drive.
    static QStringList offeredDriveAccessories(const QString& drive);
    // Closes the drive accessories of the current axis, if open, so that they
    // store what they show there before another axis becomes current.
    static void closeDriveAccessories();
};
