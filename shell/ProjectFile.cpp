#include "shell/ProjectFile.h"

#include "platform/DiskFile.h"
#include "platform/MsgBox.h"
#include "shell/Dependents.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QFileInfo>

#include <exception>
#include <optional>
#include <stdexcept>

namespace ProjectFile {

namespace {

void tell(const QString& text)
{
    MsgBox::show(text, MsgBox::OKOnly, Globals::Product_Title, MsgBox::Exclamation);
}

void showFileCaption(mdiMain& main, const QString& path)
{
    Globals::Project_Path = path;
    main.setWindowTitle(Globals::Product_Title + QStringLiteral(" - ") + Globals::Get_File_Name());
}

// The setup form shown, whichever child window is active (a dialog, the
// curve window, About): the current kind's, else the one the user sees, so
// that Save writes the project on the screen; null when none is open.
SetupForm* currentSetupForm()
{
    QStringList names {SetupKinds::formName(SetupKinds::projectKind(Globals::System_Type))};
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        names << kind.form;
    for (const QString& name : names)
        if (Form* form = name.isEmpty() ? nullptr : Forms::find(name); form && form->Visible())
            return dynamic_cast<SetupForm*>(form);
    return nullptr;
}

// Save_String of the setup form written to the path; caption and path change
// only when the file was written.
void writeProject(mdiMain& main, SetupForm& form, const QString& path)
{
    Globals::Project_Text = form.Save_String();
    if (!Globals::Write_File(path, Globals::Project_Text, true))
        return;
    showFileCaption(main, path);
    Globals::Tell_Written(QStringLiteral("Project"), path);
}

std::optional<QString> askSavePath(mdiMain& main)
{
    return FileDialog::show(&main, FileDialog::Save, dialogSettings());
}

} // namespace

FileDialog::Settings dialogSettings()
{
    FileDialog::Settings settings;
    settings.filter = QStringLiteral("All Files (*.*)|*.*|Dat Files (*.Dat)|*.dat");
    settings.filterIndex = 2;
    return settings;
}

int projectKind(const QString& text, const QString& fileName, QString* why)
{
    if (text.isEmpty()) {
        *why = QStringLiteral("The file %1 is empty.").arg(fileName);
        return 0;
    }
    const QString first = text.section(QLatin1Char('\r'), 0, 0);
    bool number = false;
    const int kind = first.trimmed().toInt(&number);
    if (!number || !SetupKinds::find(kind)) {
        *why = QStringLiteral("The file %1 is not a Quenro project file: its first line must be 1, 2 or 4.")
                   .arg(fileName);
        return 0;
    }
    return kind;
}

void open(mdiMain& main)
{
    const std::optional<QString> chosen = FileDialog::show(&main, FileDialog::Open, dialogSettings());
    if (!chosen)
        return;
    const QString path = *chosen;
    const QString fileName = QFileInfo(path).fileName();

    // Nothing changes until the file is known to be a project of a known kind.
    QString text;
    try {
        text = Globals::Read_File(path);
    } catch (const DiskFile::Refused& refused) {
        // A folder, FIFO, device or huge file is no project file: the reason says which.
        tell(QString::fromUtf8(refused.what()));
        return;
    } catch (const std::exception&) {
        tell(QStringLiteral("The file %1 cannot be read.").arg(fileName));
        return;
    }
    QString why;
    const int kind = projectKind(text, fileName, &why);
    if (kind == 0) {
        tell(why);
        return;
    }

    Globals::Loading_Project = true;
    // The former project goes first, every window of it as Close takes them:
    // only the opened project's windows remain, and nothing of the former one
    // reaches the new one.
    Dependents::drop(Stage::Project);
    main.Toolbar_Button(1)->setEnabled(false);
    main.mnuNew()->setEnabled(false);
    if (Form* selection = Forms::find(frmSelection::Name))
        selection->Hide();
    showFileCaption(main, path);
    Globals::Project_Lines = text.split(QLatin1Char('\r'));
    Globals::System_Type = kind;
    if (Globals::Current_Form != frmSelection::Name) {
        if (Form* active = main.activeChildForm())
            active->Hide();
    }

    QString failure;
    try {
        Form* form = Forms::get(SetupKinds::formName(kind));
        SetupForm* setup = dynamic_cast<SetupForm*>(form);
        if (!setup)
            throw std::runtime_error("The setup form cannot load project files.");
        form->Show();
        setup->Reset();
        setup->Load_Previous_Values();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
        if (failure.isEmpty())
            failure = QStringLiteral("The project %1 could not be loaded.").arg(fileName);
    }

    // A form that could not be loaded (its catalogue would not open) leaves
    // the start screen, with nothing to save or export.
    if (const Form* shown = Forms::find(SetupKinds::formName(kind)); shown && shown->Visible()) {
        main.showSetupState(kind);
    } else {
        main.showStartState();
        if (Form* selection = Forms::get(frmSelection::Name))
            selection->Show();
    }

    // A load the form rejected keeps what it reached but names no file, so
    // that a later Save asks for a name instead of overwriting this one.
    if (Globals::Loading_Project || !failure.isEmpty()) {
        Globals::Loading_Project = false;
        Globals::Loading_Lists = false;
        Globals::Project_Path.clear();
        main.setWindowTitle(Globals::Product_Title);
        if (!failure.isEmpty())
            tell(failure);
    }
}

void saveAs(mdiMain& main)
{
    // With nothing to save no name is asked for.
    SetupForm* form = currentSetupForm();
    if (!form)
        return;
    const std::optional<QString> path = askSavePath(main);
    if (!path)
        return;
    writeProject(main, *form, *path);
}

void save(mdiMain& main)
{
    SetupForm* form = currentSetupForm();
    if (!form)
        return;
    // The bare title means the project has no file yet.
    std::optional<QString> path;
    if (main.windowTitle().length() == Globals::Product_Title.length())
        path = askSavePath(main);
    else
        path = Globals::Project_Path;
    if (!path)
        return;
    writeProject(main, *form, *path);
}

} // namespace ProjectFile
