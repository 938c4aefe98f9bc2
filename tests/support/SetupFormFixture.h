#pragma once

#include "support/AppFixture.h"

#include "shell/AxisRecord.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class Form;
class ListControl;
class QLabel;
class QWidget;
class SetupForm;
class TextBox;

extern const QString kTitle;
extern const QString kLoadError;
// Leaves the KX 23 stack 2 servo rows with every voltage column "N/A".
extern const QString kNoVoltages;

// A setup form of one kind on the sample catalogue, driven through its
// controls by their system names. Each form's tests derive from it.
class SetupFormFixture : public AppFixture {
protected:
    explicit SetupFormFixture(int kind) : m_kind(kind) {}
    void TearDown() override;

    // The form of the kind, loaded on first use (its Load resets it and opens the database).
    Form* setupForm();
    SetupForm* setup();

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
    // Picks entries[i] in lists[i], in order; an empty entry leaves that list
    // as the cascade left it.
    void configure(const QStringList& lists, const QStringList& entries);
    // Picks the gearhead in the open gearhead dialog and closes it with Done.
    void chooseGearhead(const QString& code) { closeGearhead(code, "cmdDone"); }
    // In the open gearhead dialog: highlights the code (none when empty), types
    // the notes (when given) and closes it by the button or, for "close", its close box.
    void closeGearhead(const QString& code, const QString& how, const QString& notes = {});

    // Exactly one message was shown, with the program's title.
    void expectOnlyMessage(const QString& prompt, MsgBox::Buttons buttons);

    AxisRecord& record();

    // A copy of the sample product database changed by the statements, used by
    // the form instead of the sample (call before the form loads).
    void useCatalogueWith(const QStringList& statements);

    // Replays a project text the way the main window's Open does.
    void openProject(const QString& text);
    // File > New of the fixture's kind in the main window.
    void newProject();

private:
    int m_kind;
    std::unique_ptr<QTemporaryDir> m_folder;
};
