// A project file as the user opens it: File > Open through the real main
// window and setup form; a file that opens bills only parts the catalogue
// offers and, for a configured controller, has its axis count; it is saved
// with Save As, reopened and saved again, and both saves must be the same text
// with no message between.

#include "CatalogueParts.h"
#include "FuzzTarget.h"
#include "QtFuzzApp.h"

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "platform/ShellOpen.h"
#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>


namespace {

// Opens the file through the menu; true when it loaded without a message.
bool open(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, const QString& path, const QString& name)
{
    msg.clear();
    files.queuePath(path);
    main.mnuOpen()->trigger();
    for (const QString& prompt : msg.prompts())
        std::fprintf(stderr, "Open of %s: %s\n", qPrintable(name), qPrintable(prompt));
    return msg.messages().isEmpty() && main.windowTitle() == Globals::Product_Title + QStringLiteral(" - ") + name
           && !Globals::Loading_Project && !Globals::Loading_Lists;
}

// Whatever the file said, the opened project is one the catalogue offers.
void checkOpened()
{
    const QString report = Globals::Build_Report();
    // The bill's lines follow its heading and an empty line, one per part.
    const QStringList bill =
        report.section(QStringLiteral("Description\r\n\r\n"), 1).split(QStringLiteral("\r\n"));
    for (int i = 1; i <= Globals::BOM_Count; ++i) {
        const QString& part = Globals::BOM_Part_Number[i];
        if (!CatalogueParts::offers(part))
            std::fprintf(stderr, "Bill line of a part the catalogue does not offer: %s\n",
                         qPrintable(bill.value(i - 1).left(200)));
        FUZZ_CHECK(CatalogueParts::offers(part), "every billed part is one the catalogue offers");
    }
    if (Globals::System_Type == SetupKinds::Controller && !Globals::Controller_Part_Number.isEmpty())
        FUZZ_CHECK(CatalogueParts::axesOf(Globals::Controller_Part_Number) == Globals::Total_Axes,
                   "a configured controller has its own axis count");
}

QByteArray saveAs(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, const QString& path)
{
    files.queuePath(path);
    main.mnuSave_As()->trigger();
    FUZZ_CHECK(msg.messages().isEmpty(), "Save As of an opened project shows no message");
    return fileBytes(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQtFuzzApp(argc, argv);
    FormCatalog::registerAll();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    // One main window for all inputs, as in the program; each input starts
    // with no form loaded and the global state as at start-up.
    static mdiMain* main = [] {
        auto* window = new mdiMain();
        window->show();
        settleQtEvents();
        return window;
    }();
    Forms::unloadAll();
    settleQtEvents();
    Globals::Reset_All_State();
    MsgBox::Seam msg;
    FileDialog::Seam files;
    ShellOpen::Seam shell;

    const QString input = folder.filePath(QStringLiteral("input.dat"));
    QFile file(input);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input can be written");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    if (open(*main, files, msg, input, QStringLiteral("input.dat"))) {
        checkOpened();
        const QString first = folder.filePath(QStringLiteral("first.dat"));
        const QByteArray saved = saveAs(*main, files, msg, first);
        FUZZ_CHECK(!saved.isEmpty(), "Save As writes the opened project");
        FUZZ_CHECK(open(*main, files, msg, first, QStringLiteral("first.dat")),
                   "a project the program saved opens again without a message");
        const QByteArray again = saveAs(*main, files, msg, folder.filePath(QStringLiteral("second.dat")));
        FUZZ_CHECK(again == saved, "a reopened project saves the same text");
    }
    // Closed as the program closes it, so that nothing is held past the last input.
    Forms::unloadAll();
    settleQtEvents();
    Globals::Reset_All_State();
    return 0;
}
