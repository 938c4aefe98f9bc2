#include "BenchSession.h"

#include "LargeCatalogue.h"
#include "platform/ListControl.h"
#include "shell/SetupKinds.h"
#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace BenchSession {

namespace {

struct Session {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<MsgBox::Seam> messages;
    std::unique_ptr<FileDialog::Seam> files;
    std::unique_ptr<ShellOpen::Seam> shell;
    std::unique_ptr<mdiMain> main;
    QTemporaryDir scratch;
    std::array<std::unique_ptr<QTemporaryDir>, 3> catalogues;
};

Session& session()
{
    static Session* s = [] {
        auto* created = new Session;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "quenro_bench";
        static char* argv[] = {name, nullptr};
        created->app = std::make_unique<QApplication>(argc, argv);
        created->messages = std::make_unique<MsgBox::Seam>();
        created->files = std::make_unique<FileDialog::Seam>();
        created->shell = std::make_unique<ShellOpen::Seam>();
        FormCatalog::registerAll();
        return created;
    }();
    return *s;
}

// The folder of a large catalogue, built on first use.
QString catalogueFolder(int catalogue)
{
    Session& s = session();
    auto& folder = s.catalogues.at(static_cast<std::size_t>(catalogue));
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        LargeCatalogue::build(folder->path(), catalogue == Huge ? 1000 : 100);
    }
    return folder->path();
}

void processAll()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

const char* label(int catalogue)
{
    static const char* const names[] = {"sample", "100x", "1000x"};
    return names[catalogue];
}

benchmark::internal::Benchmark* onEveryCatalogue(benchmark::internal::Benchmark* row)
{
    return row->Arg(Sample)->Arg(Large)->Arg(Huge)->Unit(benchmark::kMillisecond);
}

void start()
{
    session();
}

MsgBox::Seam& messages()
{
    return *session().messages;
}

FileDialog::Seam& files()
{
    return *session().files;
}

QString scratchFolder()
{
    return session().scratch.path();
}

mdiMain& mainWindow()
{
    Session& s = session();
    if (!s.main) {
        s.main = std::make_unique<mdiMain>();
        s.main->show();
        processAll();
    }
    return *s.main;
}

void dropMainWindow()
{
    Session& s = session();
    Forms::unloadAll();
    s.main.reset();
    processAll();
    Globals::Reset_All_State();
}

void useCatalogue(int catalogue)
{
    mainWindow();
    Forms::unloadAll();
    processAll();
    Globals::Reset_All_State();
    if (catalogue != Sample)
        Globals::Set_App_Folder_For_Tests(catalogueFolder(catalogue));
}

QWidget* setupForm(int kind, int catalogue)
{
    useCatalogue(catalogue);
    mainWindow().openSetupForm(kind);
    QWidget* form = Forms::find(SetupKinds::formName(kind));
    if (!form)
        throw std::runtime_error("the setup form does not open");
    settle(form);
    return form;
}

void choose(QWidget* form, const char* list, const char* entry)
{
    auto* control = form->findChild<ListControl*>(QLatin1String(list));
    if (!control || !control->choose(QLatin1String(entry)))
        throw std::runtime_error(std::string(list) + " lacks " + entry);
}

void settle(QWidget* widget)
{
    // A shown window repaints what changed into its backing store (an image
    // off screen, the X server's window under Xvfb) when the posted update
    // request runs; a hidden one is painted whole.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    if (widget->isVisible())
        return;
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    widget->render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

void closeAndSettle(const QString& form)
{
    Forms::unload(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle(&mainWindow());
}

void finish(benchmark::State& state)
{
    state.SetLabel(label(static_cast<int>(state.range(0))));
    Session& s = session();
    // A handler that failed would have told the user: the figures would not count.
    if (!s.messages->messages().isEmpty()) {
        state.SkipWithError(s.messages->prompts().join(QLatin1Char('|')).toStdString().c_str());
        s.messages->clear();
    }
    Forms::unloadAll();
    processAll();
    Globals::Reset_All_State();
}

} // namespace BenchSession
