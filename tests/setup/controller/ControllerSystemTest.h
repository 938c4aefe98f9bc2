#pragma once

#include "ControllerFormTest.h"

#include <QStringList>

struct CascadePath;
class Form;
class ListControl;
class OptionButton;
class frmAccessories;

// The controller setup form with its options dialog and the accessory
// dialog, driven through their controls.
class ControllerSystemTest : public ControllerFormTest {
protected:
    // The loaded options dialog (fails the test when it is not loaded).
    Form* options();
    // The list of a level, 1 to 6 (named cmb1(0) to cmb1(5)).
    ListControl* level(int number);
    frmAccessories* accessories();
    void clickIn(Form* form, const char* button);

    // Picks the controller, opens its options dialog and chooses the values
    // level by level (an empty value leaves the level as the dialog left it).
    void openOptions(const QString& controller, const QStringList& values);
    // As openOptions, then Done.
    void configureController(const QString& controller, const QStringList& values);
    // On the options dialog: opens the accessory dialog and picks the entries.
    void chooseAccessories(const QStringList& entries);
    // The accessory dialog's Done.
    void closeAccessories();
    // The window's close box.
    static void closeByCloseBox(Form* form);

    // The catalogue's paths, one per series, whose drive the controller runs.
    static QList<CascadePath> pathsOn(const QString& controller);
    // Shows the axis and runs its cascade along the path, first lengths.
    void configureAxis(int number, const CascadePath& path);
    // The controller globals a project file carries, one text.
    static QString controllerState();
};
