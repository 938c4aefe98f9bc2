#pragma once

#include "support/AppFixture.h"

#include "shell/AxisRecord.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>


class Form;
class SetupForm;
class frmDrive_Setup;
class ListControl;
class QLabel;
class QWidget;
class TextBox;

// The form's lists in cascade order, from the technology to the cable lengths.
extern const QStringList kCascadeLists;
// What every choice above the motor options hides, in the order it hides it.
extern const QStringList kResultDisplay;

// Complete motor choices of the sample catalogue, from the technology down to
// the motor options (an empty entry is a list that selects itself).
extern const QStringList kLmServo;
extern const QStringList kKxServo;
extern const QStringList kSxStepper;
extern const QStringList kCtDirectDrive;

extern const QString kTitle;
extern const QString kDrivePrompt;
extern const QString kKeywayMessage;
extern const QString kLoadError;

// The drive setup form on the sample catalogue, driven through its controls.
// A fixture of another single-axis setup form names its own form and lists.
class DriveFormTest : public AppFixture {
protected:
    void TearDown() override;

    // Loads the form (its Load resets it and opens the database).
    frmDrive_Setup* form();
    // The form the helpers below drive, loaded on first use.
    virtual Form* setupForm();
    SetupForm* setup();
    // The form's lists in cascade order (kCascadeLists on the drive form).
    virtual const QStringList& cascadeLists() const { return kCascadeLists; }

    ListControl* list(const QString& name);
    QLabel* label(const QString& name);
    TextBox* box(const QString& name);
    QWidget* widget(const QString& name);
    QStringList items(const QString& name);
    QString text(const QString& name);
    bool hidden(const QString& name);
    bool enabled(const QString& name);
    void click(const QString& button);

    // The user picks the entry; fails the test when the list lacks it.
    void pick(const QString& name, const QString& entry);
    // Picks one entry per list of cascadeLists(), in order from the technology;
    // an empty entry leaves that list as the cascade left it.
    void configure(const QStringList& entries);
    // Picks the gearhead in the open gearhead dialog and closes it with Done.
    void chooseGearhead(const QString& code);

    // Exactly one message was shown, with the program's title.
    void expectOnlyMessage(const QString& prompt, MsgBox::Buttons buttons);

    AxisRecord& record();

    // A copy of the sample product database changed by the statements, used by
    // the form instead of the sample (call before form()).
    void useCatalogueWith(const QStringList& statements);

    // Replays a project text the way the main window's Open does.
    void openProject(const QString& text);

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};
