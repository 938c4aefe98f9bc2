// A project file as the user opens it: File > Open through the real main
// window and setup form; a file that opens, also with a message about its
// options, bills only parts offered for their axis in their quantities (the
// axes beyond its controller's count are kept, not billed); one that opens quietly is
// saved with Save As, reopened and saved again, and both saves must be the
// same text with no message between. With QUENRO_FUZZ_SEEDS set (the seed
// corpus: files the program wrote) every input must open quietly.

#include "FuzzTarget.h"
#include "QtFuzzApp.h"

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "platform/ShellOpen.h"
#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/mdiMain.h"
#include "support/OfferedBill.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>


namespace {

enum class Opened { Refused, WithMessage, Quietly };

// Opens the file through the menu: refused, or named in the title with or
// without a message.
Opened open(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, const QString& path, const QString& name)
{
    msg.clear();
    files.queuePath(path);
    main.mnuOpen()->trigger();
    for (const QString& prompt : msg.prompts())
        std::fprintf(stderr, "Open of %s: %s\n", qPrintable(name), qPrintable(prompt));
    if (main.windowTitle() != Globals::Product_Title + QStringLiteral(" - ") + name || Globals::Loading_Project
        || Globals::Loading_Lists)
        return Opened::Refused;
    return msg.messages().isEmpty() ? Opened::Quietly : Opened::WithMessage;
}

// Whatever the file said, the opened project is one the catalogue offers.
void checkOpened()
{
    Globals::Build_Report();
    const QStringList faults = OfferedBill::faults();
    for (const QString& fault : faults)
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    FUZZ_CHECK(faults.isEmpty(), "every billed part is offered for its axis, in its quantity");
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

    static const bool seeds = qEnvironmentVariableIsSet("QUENRO_FUZZ_SEEDS");
    const Opened opened = open(*main, files, msg, input, QStringLiteral("input.dat"));
    // libFuzzer runs an empty input of its own before the corpus.
    FUZZ_CHECK(!seeds || size == 0 || opened == Opened::Quietly,
               "a seed, a file the program wrote, opens without a message");
    if (opened != Opened::Refused)
        checkOpened();
    if (opened == Opened::Quietly) {
        const QString first = folder.filePath(QStringLiteral("first.dat"));
        const QByteArray saved = saveAs(*main, files, msg, first);
        FUZZ_CHECK(!saved.isEmpty(), "Save As writes the opened project");
        FUZZ_CHECK(open(*main, files, msg, first, QStringLiteral("first.dat")) == Opened::Quietly,
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
