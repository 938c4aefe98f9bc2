#include "setup/common/SetupProjectFile.h"

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/ProjectFile.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <optional>
#include <stdexcept>

using namespace Globals;

void SetupProjectFile::open(Form& self, SetupForm& setup, int ownKind)
{
    const std::optional<QString> path = FileDialog::show(&self, FileDialog::Open, ProjectFile::dialogSettings());
    if (!path)
        return;

    Loading_Project = true;
    try {
        setup.Reset();
        Project_Lines = Read_File(*path).split(QLatin1Char('\r'));
        bool number = false;
        const int kind = Project_Lines.value(0).toShort(&number);
        if (!number)
            throw std::runtime_error("The project file names no setup kind.");
        System_Type = kind;
        // A kind without a setup form loads nothing: no flag may stay set for it.
        if (kind != ownKind && !SetupKinds::find(kind)) {
            Loading_Project = false;
            return;
        }

        SetupForm* loader = &setup;
        if (kind != ownKind) {
            Forms::unload(self.Name());
            Form* form = Forms::get(SetupKinds::formName(kind));
            loader = dynamic_cast<SetupForm*>(form);
            if (!loader)
                throw std::runtime_error("The setup form of the project cannot load it.");
            form->Show();
        }
        // Named after this form's unload, which puts the bare caption back.
        Project_Path = *path;
        if (mdiMain* main = mdiMain::instance())
            main->setWindowTitle(Product_Title + QStringLiteral(" - ") + Get_File_Name());
        loader->Load_Previous_Values();
    } catch (...) {
        Loading_Project = false;
        throw;
    }
}

void SetupProjectFile::loadFailed()
{
    Loading_Project = false;
    Loading_Lists = false;
    Project_Path.clear();
    if (mdiMain* main = mdiMain::instance())
        main->setWindowTitle(Product_Title);
    MsgBox::show(QStringLiteral("Error Incompatible File Format or Motor/Drive No Longer Available"), MsgBox::OKOnly,
                 Product_Title);
}
