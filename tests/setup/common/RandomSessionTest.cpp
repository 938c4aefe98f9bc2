// Random sessions through the real windows: whatever a user does, in any
// order, what is saved reopens as it was left, each list shows what the
// record holds, each open window configures what the project holds and the
// bill holds only parts the catalogue offers, the same however the record
// was reached; a session that goes on on a changed catalogue reopens there as
// an opening on a changed catalogue must.

#include "support/AppFixture.h"
#include "support/CatalogueChange.h"
#include "support/ChangedCatalogueOpening.h"
#include "support/OfferedBill.h"
#include "support/ProjectOpening.h"
#include "support/SessionChecks.h"
#include "support/SessionDriver.h"
#include "support/SqliteFile.h"

#include "platform/Win1252.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <utility>

using namespace Globals;

namespace {

const QString kCatalogue = QStringLiteral("System Databases97.mdb");
// The line of a session's actions that saves, reopens on a copy of the
// catalogue changed by the statements and goes on there.
const QString kCatalogueLine = QStringLiteral("main.Catalogue = ");
const QString kChangedCatalogueRoad = QStringLiteral("reopened on a catalogue with one change");

struct Outcome {
    QString fault;  // empty when the session kept every promise
    int reached = 0;  // actions taken before the fault
    QStringList impossible;  // given actions the windows did not offer, skipped
    QSet<QString> roads;  // the roads the drawn actions took
};

// A project as it was written: its text and the bill it had then.
struct Written {
    QString text;
    QStringList bill;
};

// Lines on the kind's setup form unless they name their window.
QStringList onForm(int kind, const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        out << (line.startsWith(QLatin1String("frm")) || line.startsWith(QLatin1String("main.")) ? line
                : SetupKinds::find(kind)->form + QLatin1Char('.') + line);
    return out;
}

// Controller "KEX200" configured with four axes, each a stepper on "SMD-48"
// with every list chosen.
QStringList fourConfiguredAxes()
{
    QStringList lines {"cmbController = KEX200", "cmdController", "frmControl.cmb1(0) = D = DIN Rail",
                       "frmControl.cmb1(2) = 4 = 4 Axes", "frmControl.cmb1(3) = E = Ethernet",
                       "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdDone"};
    for (int a = 1; a <= 4; ++a) {
        lines << QStringLiteral("cmbAxis = Axis %1").arg(a) << "cmbMotor_Tech = Stepper" << "cmbDrive = SMD-48"
              << "cmbMotor_Series = ST";
        if (a == 1)
            lines << "cmbAxis_Number = 2" << "cmbReq_Accessories_length = 1";
        lines << "cmbController_Cable_Length = 1" << "cmbStack_length = 1" << "cmbShaft_options = F = Flatted Shaft"
              << "cmbMotor_Cable_Length = 10";
    }
    return lines;
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? Win1252::decode(file.readAll()) : QString();
}

// The first differing line of two bills, as "bill: ..."; empty when they agree.
QString billDifference(const QString& what, const QStringList& was, const QStringList& now)
{
    if (was == now)
        return {};
    qsizetype i = 0;
    while (i < was.size() && i < now.size() && was[i] == now[i])
        ++i;
    return QStringLiteral("bill: %1, line %2 was \"%3\", is \"%4\"")
        .arg(what)
        .arg(i + 1)
        .arg(was.value(i), now.value(i));
}

// What a line does to the axes' choices: the options dialogs, the accessory
// dialog, the curve window, the buttons of a setup form, an axis switch and
// Save, Save As and Export Data choose nothing of an axis.
bool choosesAxisValues(const QString& line)
{
    static const QStringList keeping {SetupKinds::ControllerOptionsDialog, SetupKinds::DriveControllerOptionsDialog,
                                      QStringLiteral("frmAccessories"), QStringLiteral("frmCurve")};
    static const QStringList keepingMenu {QStringLiteral("main.Save"), QStringLiteral("main.SaveAs"),
                                          QStringLiteral("main.ExportData")};
    const QString action = line.section(QLatin1String(" => "), 0, 0);
    const QString window = action.section(QLatin1Char('.'), 0, 0);
    const QString control = action.section(QLatin1Char('.'), 1).section(QLatin1String(" = "), 0, 0);
    if (keeping.contains(window) || keepingMenu.contains(window + QLatin1Char('.') + control))
        return false;
    if (window == QLatin1String("main") || window == QLatin1String("frmGear"))
        return true;
    return control.startsWith(QLatin1String("cmb")) && control != QLatin1String("cmbAxis");
}

class RandomSessionTest : public AppFixture {
protected:
    // A session of the kind: the form opened from the New menu, then the
    // actions given or, with a seed, 5 to 60 drawn ones, 60 to 150 for one
    // seed in four (written into actions).
    Outcome session(int kind, QStringList& actions, std::optional<unsigned> seed = {}, bool anyWindow = true)
    {
        // A failure that escapes the program's own handling is a fault of the session too.
        try {
            return play(kind, actions, seed, anyWindow);
        } catch (const std::exception& e) {
            return {QStringLiteral("exception: ") + QString::fromUtf8(e.what()), static_cast<int>(actions.size()), {},
                    {}};
        }
    }

    // Projects made through the forms once per run, for File > Open over
    // another project: each kind, and a controller of four configured axes.
    const std::map<QString, Written>& fixtureFiles()
    {
        static QTemporaryDir folder;
        static std::map<QString, Written> files;
        if (!files.empty())
            return files;
        s_fixtureFolder = folder.path();
        struct Made {
            const char* name;
            int kind;
            QStringList lines;
        };
        const Made made[] = {
            {"drive.dat", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = ZU", "cmbFrame_size = 34",
                "cmbMotor_Cable_Length = 1"}},
            {"drivecontroller.dat", SetupKinds::DriveController, {"cmbMotor_Tech = Stepper",
                "cmbDriveController = SPC-48", "cmbFrame_size = 17", "cmbStack_length = 1",
                "cmbFeedback = D = Double Shaft", "cmbShaft_options = F = Flatted Shaft",
                "cmbOptions = E = Rear Encoder", "cmbMotor_Cable_Length = 10", "cmdDriveController",
                "frmDriveControl.cmb1(1) = N = Network", "frmDriveControl.cmb1(3) = 08 = 8 I/O",
                "frmDriveControl.cmdDone"}},
            {"controller.dat", SetupKinds::Controller, fourConfiguredAxes()},
        };
        mdiMain& main = mainWindow();
        for (const Made& m : made) {
            Forms::unloadAll();
            processEvents();
            Reset_All_State();
            SessionDriver driver(main, *msg, s_fixtureFolder);
            driver.perform(QStringLiteral("main.New = ") + SetupKinds::find(m.kind)->form);
            for (const QString& line : onForm(m.kind, m.lines))
                if (!driver.perform(line))
                    ADD_FAILURE() << "the fixture " << m.name << " cannot do " << qPrintable(line);
            const QString name = QString::fromLatin1(m.name);
            driver.perform(QStringLiteral("main.SaveAs = ") + name);
            files[name] = {SessionChecks::projectText(), SessionChecks::projectReport().bill};
            if (readFile(QDir(s_fixtureFolder).filePath(name)) != files[name].text)
                ADD_FAILURE() << "the fixture " << m.name << " was not written";
        }
        Forms::unloadAll();
        processEvents();
        Reset_All_State();
        msg->clear();
        return files;
    }

    Outcome play(int kind, QStringList& actions, std::optional<unsigned> seed, bool anyWindow)
    {
        mdiMain& main = mainWindow();
        Forms::unloadAll();
        processEvents();
        Reset_All_State();
        msg->clear();
        // The fixed projects are the session's own, to open and save over.
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_written.clear();
        m_justSaved.reset();
        m_change.reset();
        for (const auto& [name, written] : fixtureFiles()) {
            QFile::copy(QDir(s_fixtureFolder).filePath(name), m_dir.filePath(name));
            m_written[m_dir.filePath(name)] = written;
        }
        SessionDriver driver(main, *msg, m_dir.path());
        driver.perform(QStringLiteral("main.New = ") + SetupKinds::find(kind)->form);
        SessionChecks::OpenWindows windows;

        std::mt19937 rng(seed.value_or(0));
        const bool longer = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
        const int count = !seed ? static_cast<int>(actions.size())
            : longer            ? std::uniform_int_distribution<int>(60, 150)(rng)
                                : std::uniform_int_distribution<int>(5, 60)(rng);
        // One seeded session in four goes on, halfway, on a catalogue with one change.
        const bool changing = seed && *seed % 4 == 3;
        QStringList impossible;
        const auto outcome = [&](const QString& fault, int reached) {
            Outcome o {fault, reached, impossible, driver.roads()};
            if (m_change)
                o.roads << kChangedCatalogueRoad;
            return o;
        };
        for (int i = 0; i < count; ++i) {
            const QList<QStringList> choices = SessionChecks::axisChoices();
            if (changing && i == count / 2) {
                if (const QString fault = changeCatalogue({}, &rng, actions); !fault.isEmpty())
                    return outcome(fault, i + 1);
                if (m_change)
                    continue;
            }
            if (seed) {
                const qsizetype before = actions.size();
                driver.step(rng, anyWindow, actions);
                if (actions.size() == before)
                    break;
            } else if (actions.at(i).startsWith(kCatalogueLine)) {
                if (const QString fault = changeCatalogue(actions.at(i).mid(kCatalogueLine.size()), nullptr, actions);
                    !fault.isEmpty())
                    return outcome(fault, i + 1);
                if (!m_change)
                    impossible << actions.at(i);
                continue;
            } else if (!driver.perform(actions.at(i))) {
                impossible << actions.at(i);
                continue;
            }
            const QString& line = actions.at(i);
            QString fault = actionFault(driver, line, choices);
            if (fault.isEmpty())
                fault = sessionFault(windows);
            if (!fault.isEmpty())
                return outcome(fault, i + 1);
        }
        return outcome(m_change ? changedRoundTripFault() : roundTripFault(main, windows),
                       static_cast<int>(actions.size()));
    }

    // The changed-catalogue road: the project saved on the sample catalogue,
    // opened on it, then on a copy with one change (`given`, else drawn from
    // the guard's), the second opening held against the first by
    // ChangedCatalogueOpening; the session goes on there with the files it
    // writes from now on. Nothing when no project is shown.
    QString changeCatalogue(const QString& given, std::mt19937* rng, QStringList& actions)
    {
        if (SessionChecks::shownKind() == 0)
            return {};
        const QString folder = m_dir.filePath(QStringLiteral("catalogue"));
        QDir().mkpath(folder);
        ProjectOpening opening(mainWindow(), *files, *msg, folder);
        opening.shown(QStringLiteral("before.dat"));
        const QString file = QDir(folder).filePath(QStringLiteral("before.dat"));
        const ProjectOpening::Run intact = opening.run(file);
        if (const QStringList told = doneAsks(intact.first.messages, false);
            !intact.thrown.isEmpty() || !intact.first.opened || !told.isEmpty())
            return QStringLiteral("reopened on the sample: ") + intact.thrown + told.join(QLatin1String(" | "));
        const QString sample = QCoreApplication::applicationDirPath() + QLatin1Char('/') + kCatalogue;
        const QList<CatalogueChange> changes =
            CatalogueChange::all(sample, QString::fromLatin1(intact.file).split(QLatin1Char('\r')) + intact.first.bill);
        const auto change = given.isEmpty()
            ? changes.begin() + std::uniform_int_distribution<qsizetype>(0, changes.size() - 1)(*rng)
            : std::ranges::find(changes, given, &CatalogueChange::text);
        if (change == changes.end())
            return QStringLiteral("the change is none of the guard's: ") + given;
        // The curve databases go with it.
        for (const QString& name : QDir(QCoreApplication::applicationDirPath()).entryList({QStringLiteral("*.m?b")}))
            if (!SqliteFile::copySample(name, m_catalogue.path()))
                return QStringLiteral("the catalogue cannot be copied");
        const QString catalogue = m_catalogue.filePath(kCatalogue);
        if (!SqliteFile::run(catalogue, change->statements).isEmpty())
            return {};
        if (given.isEmpty())
            actions << kCatalogueLine + change->text();
        m_change = *change;
        // The files written on the sample stay behind.
        for (const QString& name : QDir(m_dir.path()).entryList({QStringLiteral("*.dat")}, QDir::Files))
            QFile::remove(m_dir.filePath(name));
        m_written.clear();
        m_forget = true;
        Set_App_Folder_For_Tests(m_catalogue.path());
        const ChangedCatalogueOpening::Verdict verdict =
            ChangedCatalogueOpening::judge(*m_change, catalogue, intact, opening.run(file));
        return verdict.faults.isEmpty() ? QString()
                                        : QStringLiteral("changed catalogue: %1 (%2)")
                                              .arg(verdict.faults.join(QLatin1String("; ")), m_change->text());
    }

    // Done's question whether to discard an incomplete configuration among
    // the messages (`asks`), or the others.
    static QStringList doneAsks(const QStringList& messages, bool asks)
    {
        QStringList out;
        for (const QString& message : messages)
            if (message.contains(QLatin1String(" not fully configured.\r\n")) == asks)
                out << message;
        return out;
    }

    // At the end of the changed-catalogue road: the project as the session
    // left it, saved and opened on the same changed copy, held against itself.
    QString changedRoundTripFault()
    {
        if (SessionChecks::shownKind() == 0)
            return {};
        const QString folder = m_dir.filePath(QStringLiteral("catalogue"));
        ProjectOpening opening(mainWindow(), *files, *msg, folder);
        ProjectOpening::Run left;
        left.first = opening.shown(QStringLiteral("left.dat"));
        left.file = left.first.saved;
        if (!left.first.unoffered.isEmpty())
            return QStringLiteral("bill: ") + left.first.unoffered.join(QLatin1String("; "));
        const ProjectOpening::Run reopened = opening.run(QDir(folder).filePath(QStringLiteral("left.dat")));
        // Done asks of an incomplete configuration at every reopen, as it asked of the session's.
        left.first.messages = doneAsks(reopened.first.messages, true);
        const ChangedCatalogueOpening::Verdict verdict =
            ChangedCatalogueOpening::judge(*m_change, m_catalogue.filePath(kCatalogue), left, reopened,
                                           ChangedCatalogueOpening::Shown);
        return verdict.faults.isEmpty() ? QString()
                                        : QStringLiteral("reopened on the changed catalogue: %1 (%2)")
                                              .arg(verdict.faults.join(QLatin1String("; ")), m_change->text());
    }

    // What the line itself must keep: the axes' choices where it chooses
    // none, the windows of a project it opened or closed, the file it wrote
    // and the project it opened. The bill is held against a reopen's where
    // a reopen is reached: after File > Open of a file whose writing the
    // session saw, and at the session's end; a reopen after every action would
    // change the session it checks.
    QString actionFault(const SessionDriver& driver, const QString& line, const QList<QStringList>& choices)
    {
        if (!choosesAxisValues(line))
            if (const QStringList changed = SessionChecks::changedChoices(choices, SessionChecks::axisChoices());
                !changed.isEmpty())
                return QStringLiteral("choices: %1 (at %2)").arg(changed.join(QLatin1String("; ")), line);
        const QString command = line.section(QLatin1String(" => "), 0, 0).section(QLatin1String(" = "), 0, 0);
        // Save writes what an open accessory dialog shows: closing it right after changes nothing saved.
        const std::optional<QString> justSaved = std::exchange(m_justSaved, std::nullopt);
        if (justSaved && command.startsWith(QLatin1String("frmAccessories."))
            && (command.endsWith(QLatin1String(".close")) || command.endsWith(QLatin1String(".cmdDone")))
            && SessionChecks::projectText() != *justSaved)
            return QStringLiteral("save: closing the accessory dialog changed the project just saved");
        const QString file = driver.file(line);
        const int kind = command == QLatin1String("main.Open") ? readFile(file).section(QLatin1Char('\r'), 0, 0).toInt()
                                                                : SessionChecks::shownKind();
        if (command == QLatin1String("main.Open") || command == QLatin1String("main.Close")
            || command == QLatin1String("main.New")) {
            m_forget = true;
            if (QString fault = strayFault(command, kind); !fault.isEmpty())
                return fault;
        }
        if (command == QLatin1String("main.Open")) {
            // On a changed catalogue the options dialog's message and the catalogue's faults may come again.
            const QStringList kept = SessionChecks::withoutRequiredCardsBack(msg->prompts());
            const bool cardsBack = kept.size() != msg->prompts().size();
            if (const QStringList told = m_change ? ChangedCatalogueOpening::toldAnew(*m_change, kept) : kept;
                !told.isEmpty())
                return QStringLiteral("open: ") + told.join(QLatin1String(" | "));
            const auto written = m_written.find(file);
            if (written == m_written.end())
                return {};
            const QString text = SessionChecks::projectText();
            if (const QStringList changed =
                    SessionChecks::differences(written->second.text, text, kind,
                                               cardsBack ? SessionChecks::ByDone : SessionChecks::LeftOpen);
                !changed.isEmpty())
                return QStringLiteral("reopened (open): ") + changed.join(QLatin1String("; "));
            // The same record has the same bill; one the reopen completed may differ in what it completed.
            if (text == written->second.text)
                return billDifference(QStringLiteral("as written, then opened"), written->second.bill,
                                      SessionChecks::projectReport().bill);
        } else if ((command == QLatin1String("main.Save") || command == QLatin1String("main.SaveAs")) && kind != 0
                   && !file.isEmpty()) {
            const QString text = SessionChecks::projectText();
            if (readFile(file) != text)
                return QStringLiteral("save: the file is not the shown project's text");
            m_written[file] = {text, SessionChecks::projectReport().bill};
            m_justSaved = text;
        } else if (command == QLatin1String("main.ExportData") && kind != 0) {
            const QString report = SessionChecks::projectReport().text;
            if (report.isEmpty() || readFile(file) != report)
                return QStringLiteral("export: the report written is not the open project's (%1 characters written, "
                                      "the project's has %2)")
                    .arg(readFile(file).size())
                    .arg(report.size());
        }
        return {};
    }

    // Windows of a former project that File > Open, Close or New left shown.
    static QString strayFault(const QString& command, int kind)
    {
        const QStringList stray = SessionChecks::strayWindows(kind);
        return stray.isEmpty() ? QString()
                               : QStringLiteral("windows: after %1 %2").arg(command, stray.join(QLatin1String(", ")));
    }

    // A message that reports a failed handler, a list that lies or a window
    // that configures what the project no longer holds.
    QString sessionFault(SessionChecks::OpenWindows& windows)
    {
        for (const MsgBox::Message& m : msg->messages())
            if (m.icon == MsgBox::Critical && (!m_change || !ChangedCatalogueOpening::toldAnew(*m_change, {m.prompt}).isEmpty()))
                return QStringLiteral("message: ") + m.prompt;
        msg->clear();
        if (const QStringList screen = SessionChecks::screenFaults(); !screen.isEmpty())
            return QStringLiteral("screen: ") + screen.join(QLatin1String("; "));
        if (m_forget)
            windows.forget();
        m_forget = false;
        const QStringList open = windows.faults();
        return open.isEmpty() ? QString() : QStringLiteral("window: ") + open.join(QLatin1String("; "));
    }

    static QString billFault()
    {
        Build_Report();
        const QStringList faults = OfferedBill::faults();
        return faults.isEmpty() ? QString() : QStringLiteral("bill: ") + faults.join(QLatin1String("; "));
    }

    // Opens the file; the options dialog the reopening opens is left by Done or its close box.
    QString reopen(mdiMain& main, const QString& path, SessionChecks::Leaving leaving)
    {
        msg->clear();
        files->queuePath(path);
        main.mnuOpen()->trigger();
        processEvents();
        const QStringList told = SessionChecks::withoutRequiredCardsBack(msg->prompts());
        if (!told.isEmpty())
            return QStringLiteral("open: ") + told.join(QLatin1String(" | "));
        m_cardsBack = told.size() != msg->prompts().size();
        for (Form* window : SessionDriver::windows()) {
            if (window->Name() != SetupKinds::find(System_Type)->optionsDialog)
                continue;
            if (leaving == SessionChecks::ByCloseBox)
                window->close();
            else
                window->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
            processEvents();
        }
        msg->clear();
        return {};
    }

    // Saved, closed and reopened: the same project, each window of it
    // configuring what it holds, and where the reopen completed nothing, the
    // same bill.
    QString roundTripFault(mdiMain& main, SessionChecks::OpenWindows& windows)
    {
        const int kind = SessionChecks::shownKind();
        if (kind == 0)
            return {};
        if (QString fault = billFault(); !fault.isEmpty())
            return fault;
        const QString path = m_dir.filePath(QStringLiteral("session.dat"));
        QFile::remove(path);
        files->queuePath(path);
        main.mnuSave_As()->trigger();
        // As written: an open accessory dialog stored what it shows first.
        const QString saved = SessionChecks::projectText();
        const QStringList bill = SessionChecks::projectReport().bill;
        if (readFile(path) != saved)
            return QStringLiteral("save: the file is not the project text");
        main.mnuClose()->trigger();
        processEvents();
        m_forget = true;
        if (QString fault = strayFault(QStringLiteral("main.Close"), 0); !fault.isEmpty())
            return fault;
        if (QString fault = sessionFault(windows); !fault.isEmpty())
            return QStringLiteral("save: ") + fault;
        for (const SessionChecks::Leaving leaving : {SessionChecks::ByDone, SessionChecks::ByCloseBox}) {
            const QString how = leaving == SessionChecks::ByDone ? QStringLiteral("Done") : QStringLiteral("close box");
            if (QString fault = reopen(main, path, leaving); !fault.isEmpty())
                return fault;
            m_forget = true;
            const QString reopened = SessionChecks::projectText();
            // Required cards told back make the configuration's lines what Done gives them.
            if (const QStringList changed =
                    SessionChecks::differences(saved, reopened, kind, m_cardsBack ? SessionChecks::ByDone : leaving);
                !changed.isEmpty())
                return QStringLiteral("reopened (%1): ").arg(how) + changed.join(QLatin1String("; "));
            if (QString fault = sessionFault(windows); !fault.isEmpty())
                return QStringLiteral("reopened: ") + fault;
            if (QString fault = billFault(); !fault.isEmpty())
                return QStringLiteral("reopened: ") + fault;
            if (reopened == saved)
                if (QString fault = billDifference(QStringLiteral("in the session, then reopened (%1)").arg(how), bill,
                                                   SessionChecks::projectReport().bill);
                    !fault.isEmpty())
                    return fault;
        }
        return {};
    }

    static QString category(const QString& fault) { return fault.section(QLatin1Char('"'), 0, 0); }

    // Drops runs of actions, long ones first, while the session still fails the same way.
    QStringList shrink(int kind, QStringList actions, const QString& fault)
    {
        for (qsizetype run = std::max<qsizetype>(1, actions.size() / 2);; run = std::max<qsizetype>(1, run / 2)) {
            for (bool removed = true; removed;) {
                removed = false;
                for (qsizetype end = actions.size(); end > 0;) {
                    const qsizetype start = std::max<qsizetype>(0, end - run);
                    QStringList shorter = actions;
                    shorter.remove(start, end - start);
                    QStringList replayed = shorter;
                    if (category(session(kind, replayed).fault) == category(fault)) {
                        actions = shorter;
                        removed = true;
                    }
                    end = start;
                }
            }
            if (run == 1)
                return actions;
        }
    }

    // Runs the seeds; each failure is shrunk and printed, with the sessions
    // of each road at the end. The number of failing sessions.
    int runSeeds(int kind, bool anyWindow, unsigned first, unsigned count, qint64 budgetMs = -1)
    {
        QElapsedTimer clock;
        clock.start();
        int failed = 0;
        unsigned ran = 0;
        QHash<QString, int> roads;
        for (unsigned seed = first; seed < first + count; ++seed, ++ran) {
            if (budgetMs >= 0 && clock.elapsed() > budgetMs)
                break;
            QStringList actions;
            const Outcome outcome = session(kind, actions, seed, anyWindow);
            for (const QString& road : outcome.roads)
                ++roads[road];
            if (outcome.fault.isEmpty())
                continue;
            ++failed;
            const QStringList shortest = shrink(kind, actions.mid(0, outcome.reached), outcome.fault);
            QStringList replayed = shortest;
            std::printf("FAILED kind %d seed %u%s: %s\n  shortest:\n    \"%s\"\n  which fails: %s\n", kind, seed,
                        anyWindow ? " (any window)" : "", qPrintable(outcome.fault),
                        qPrintable(shortest.join(QLatin1String("\",\n    \""))),
                        qPrintable(session(kind, replayed).fault));
            std::fflush(stdout);
        }
        std::printf("kind %d%s: %u sessions, %d failed\n", kind, anyWindow ? " (any window)" : "", ran, failed);
        for (const QString& road : SessionDriver::roadNames())
            std::printf("road %s: %d sessions\n", qPrintable(road), roads.value(road));
        std::printf("road %s: %d sessions\n", qPrintable(kChangedCatalogueRoad), roads.value(kChangedCatalogueRoad));
        return failed;
    }

    QTemporaryDir m_dir;
    // On the changed-catalogue road: the change, and the folder of the changed catalogue.
    std::optional<CatalogueChange> m_change;
    QTemporaryDir m_catalogue;
    // Every file the session wrote, and the fixed ones, as written.
    std::map<QString, Written> m_written;
    // A project was opened or closed: what its windows were opened for goes.
    bool m_forget = false;
    // The text the action before wrote, when it was File > Save or Save As.
    std::optional<QString> m_justSaved;
    // The last reopening told required cards back.
    bool m_cardsBack = false;
    static inline QString s_fixtureFolder;
};

struct Shard {
    int kind;
    bool anyWindow;
    unsigned firstSeed;
};

class RandomSessions : public RandomSessionTest, public ::testing::WithParamInterface<Shard> {};

// A fixed set of seeds per kind and way of working; the long run
// (scripts/sessions) draws sessions for QUENRO_SESSION_SECONDS, or
// QUENRO_SESSION_COUNT of them, from the seed QUENRO_SESSION_SEED on (the
// shard's own range by default), each of its parallel QUENRO_SESSION_JOBs
// 100000 seeds further.
TEST_P(RandomSessions, KeepEveryPromise)
{
    const Shard& s = GetParam();
    const qint64 seconds = qEnvironmentVariableIntValue("QUENRO_SESSION_SECONDS");
    const int sessions = qEnvironmentVariableIntValue("QUENRO_SESSION_COUNT");
    if (seconds <= 0 && sessions <= 0) {
        EXPECT_EQ(runSeeds(s.kind, s.anyWindow, s.firstSeed, 20), 0);
        return;
    }
    bool given = false;
    const unsigned seed = qEnvironmentVariable("QUENRO_SESSION_SEED").toUInt(&given);
    const unsigned first =
        (given ? seed : s.firstSeed * 1000) + 100000 * qEnvironmentVariableIntValue("QUENRO_SESSION_JOB");
    EXPECT_EQ(runSeeds(s.kind, s.anyWindow, first, sessions > 0 ? static_cast<unsigned>(sessions) : 100000000,
                       seconds > 0 ? seconds * 1000 : -1),
              0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions,
                         ::testing::Values(Shard {SetupKinds::Drive, false, 1}, Shard {SetupKinds::Drive, true, 1001},
                                           Shard {SetupKinds::DriveController, false, 2001},
                                           Shard {SetupKinds::DriveController, true, 3001},
                                           Shard {SetupKinds::Controller, false, 4001},
                                           Shard {SetupKinds::Controller, true, 5001}),
                         [](const ::testing::TestParamInfo<Shard>& info) {
                             return std::string(SetupKinds::find(info.param.kind)->form.toStdString())
                                 + (info.param.anyWindow ? "_AnyWindow" : "_FrontWindow");
                         });

// Sessions that once broke a promise, shrunk to their shortest action list.
struct Regression {
    const char* name;
    int kind;
    QStringList actions;
    // Actions the fixed program no longer offers (a dialog it closed).
    int impossible = 0;
};

void PrintTo(const Regression& row, std::ostream* out)
{
    *out << row.name;
}

class RegressionSessions : public RandomSessionTest, public ::testing::WithParamInterface<Regression> {};

TEST_P(RegressionSessions, KeepEveryPromise)
{
    QStringList actions = onForm(GetParam().kind, GetParam().actions);
    const Outcome outcome = session(GetParam().kind, actions);
    EXPECT_EQ(outcome.fault, QString());
    EXPECT_EQ(outcome.impossible.size(), GetParam().impossible) << qPrintable(outcome.impossible.join(QLatin1String(" | ")));
}


INSTANTIATE_TEST_SUITE_P(
    Rows, RegressionSessions,
    ::testing::Values(
        // A drive or a series offered only after the other, a controller before its options.
        Regression {"DriveAfterItsSeries", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbMotor_Series = QDM",
            "cmbDrive = BSC-230"}},
        Regression {"DriveControllerAfterItsSeries", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDriveController = BSD-460"}},
        Regression {"ControllerAlone", SetupKinds::Controller, {"cmbController = BMC100"}},
        Regression {"ControllerDriveAfterItsSeries", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbMotor_Series = CT", "cmbDrive = BDD-230"}},
        Regression {"ControllerAfterTheTechnology", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbController = BMC100", "cmbDrive = SMD-48"}},
        Regression {"OnlyFrameChosenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Stepper", "cmbMotor_Series = ST",
            "cmbDrive = SMD-48", "cmbStack_length = 3", "cmbShaft_options = R = Round Shaft", "cmbFrame_size = 34"}},
        Regression {"OptionsChangedWithoutDone", SetupKinds::Controller, {"cmbController = BMC300", "cmdController",
            "frmControl.cmb1(1) = R = Resolver", "frmControl.cmb1(2) = 1 = 16 I/O",
            "frmControl.cmb1(3) = S = Serial RS-485"}},
        // Nothing of a motor that is gone stays in the record.
        Regression {"DriveChosenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = ZU",
            "cmbFrame_size = 34", "cmbDrive = ZU"}},
        Regression {"DriveAfterFrame", SetupKinds::Drive, {"cmbMotor_Tech = Direct Drive", "cmbMotor_Series = CR",
            "cmbFrame_size = 02", "cmbFeedback_Cable_Length = 10", "cmbDrive = BDD-230"}},
        Regression {"StackChosenAgainAfterTheWiring", SetupKinds::Drive, {"cmbMotor_Tech = Stepper",
            "cmbMotor_Series = SX", "cmbDrive = SMD-230", "cmbFrame_size = 23", "cmbStack_length = 3",
            "cmbFeedback = S = Single Shaft", "cmbShaft_options = F = Flatted Shaft",
            "cmbCable_Option = C = Connector", "cmbOptions = E = Rear Encoder", "cmbStack_length = 2"}},
        Regression {"DriveControllerFrameChosenAgain", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbDriveController = BSC-230", "cmbMotor_Series = QDM", "cmbFrame_size = 092 = 92 mm",
            "cmbStack_length = 2", "cmbShaft_options = E = Encoder", "cmdDriveController",
            "frmDriveControl.cmb1(1) = C = CAN Bus", "frmDriveControl.cmb1(3) = 1 = 8 DI / 4 DO",
            "frmDriveControl.cmb1(4) = S = Safe Torque Off", "cmbOptions = 0 = Standard",
            "cmbFrame_size = 092 = 92 mm"}},
        Regression {"ControllerChosenAgainAfterTheCableLength", SetupKinds::Controller, {"cmbController = BMC1600",
            "cmbMotor_Tech = Servo", "cmbDrive = BSD-460", "cmbController_Cable_Length = 1",
            "cmbController = BMC1600"}},
        // No placeholder in the bill.
        Regression {"BreakoutOfTheFormerController", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbMotor_Series = CR", "cmbController = BMC1600", "cmbAxis_Number = 12", "main.ResetAxis",
            "cmbController = BMC300", "cmdController", "frmControl.close"}},
        // Each list shows what the record holds.
        Regression {"TechnologyAfterResetAxis", SetupKinds::Controller, {"cmbMotor_Tech = Servo", "main.ResetAxis"}},
        Regression {"OneFrameSizeUnderASeries", SetupKinds::Controller, {"cmbMotor_Tech = Stepper",
            "cmbMotor_Series = ST", "cmbDrive = SMD-48"}},
        Regression {"ControllerTakenAfterYes", SetupKinds::Controller, {"cmbController = BMC300",
            "cmbMotor_Tech = Direct Drive", "cmdDriveAccessories", "frmAccessories.close",
            "cmbController = 9Q10 => Yes"}},
        // A reopening chooses nothing the user left unchosen.
        Regression {"OneFrameSizeLeftUnchosen", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = iQO", "cmbDriveController = iQO"}},
        Regression {"UnitPartNumberWithoutOptions", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbDriveController = iQO", "cmbStack_length = 2", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = 0 = Standard"}},
        // A dialog left open for what the form no longer holds.
        Regression {"GearheadForAMotorThatWentAway", SetupKinds::Drive, {"cmbMotor_Tech = Servo",
            "cmbDrive = BSD-48", "cmbFrame_size = 23", "cmbStack_length = 3", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GP23-005", "cmbFeedback = E = Encoder",
            "frmGear.close"}, 1},
        Regression {"OptionsOfADriveControllerChosenAgain", SetupKinds::DriveController, {"cmbMotor_Tech = Stepper",
            "cmdDriveController", "frmDriveControl.cmb1(1) = S = Step/Direction", "cmbDriveController = SPC-48",
            "frmDriveControl.cmb1(3) = 08 = 8 I/O"}, 1},
        Regression {"OptionsOfAControllerThatWentAway", SetupKinds::Controller, {"cmbController = BMC100",
            "cmdController", "cmbController = KEX200", "frmControl.cmb1(0) = 1 = 1 Axis"}, 1},
        Regression {"OptionsLevelOfAnotherController", SetupKinds::Controller, {"cmbController = 9Q10",
            "cmdController", "cmbController = BMC1600", "frmControl.cmb1(1) = 4 = 4 Axes"}, 1},
        Regression {"DriveChosenBehindTheOptionsDialog", SetupKinds::Controller, {"cmbMotor_Tech = Stepper",
            "cmbController = BMC300", "cmdController", "cmbDrive = BSD-48", "frmControl.cmdDone"}},
        // Mounting and feedback of "QD_Servo" motors exchange their lists.
        Regression {"MountingChosenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbMotor_Series = QDM",
            "cmbDrive = BSD-460", "cmbFrame_size = 092 = 92 mm", "cmbStack_length = 1",
            "cmbShaft_options = E = Encoder", "cmbFeedback = M1 = IEC Flange"}},
        // Saved with the gearhead dialog open, a gearhead highlighted or none.
        Regression {"GearheadHighlightedAtClose", SetupKinds::Controller, {"cmbController = BMC300",
            "cmbMotor_Tech = Servo", "cmbDrive = BSD-48", "cmbFrame_size = 16", "cmbStack_length = 2",
            "cmbShaft_options = S = Smooth Shaft", "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GP16-005"}},
        Regression {"GearheadPlaceholderSaved", SetupKinds::Controller, {"cmbMotor_Tech = Stepper",
            "cmbController = BMC300", "cmbDrive = BSD-48", "cmbFrame_size = 16", "cmbStack_length = 2",
            "cmbShaft_options = S = Smooth Shaft", "cmbOptions = GXX = Gearhead"}},
        // Saved while the gearhead dialog is open over another option: as Cancel would leave it.
        Regression {"GearheadDialogOverAnOption", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = BSD-48",
            "cmbFrame_size = 16", "cmbStack_length = 1", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = B = Holding Brake", "cmbOptions = GXX = Gearhead"}},
        // Saved with the gearhead dialog open again over a chosen gearhead.
        Regression {"GearheadDialogOpenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = BSD-48",
            "cmbFrame_size = 16", "cmbStack_length = 1", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GP16-010", "frmGear.close",
            "cmbOptions = GXX = Gearhead"}},
        // The accessory dialog stores into the context it was opened for.
        Regression {"AxisAccessoriesUnderTheGearheadDialog", SetupKinds::Controller, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDrive = BSD-48", "cmdDriveAccessories", "cmbFrame_size = 16",
            "cmbStack_length = 2", "cmbShaft_options = S = Smooth Shaft",
            "frmAccessories.lstAccessories = CTB-26 = Command Terminal Block", "cmbOptions = GXX = Gearhead",
            "cmbController = KEX200", "cmdController", "frmControl.close"}},
        // A controller chosen on one axis holds for the drives of the others.
        Regression {"ControllerThatRefusesAnotherAxisDrive", SetupKinds::Controller, {"cmbController = BMC1600",
            "cmdController", "frmControl.cmb1(0) = 16 = 16 Axes", "frmControl.cmb1(1) = E = Encoder",
            "frmControl.cmb1(2) = 0 = No I/O", "frmControl.cmdDone", "cmbMotor_Tech = Stepper",
            "cmbDrive = SMD-230", "cmbAxis = Axis 3", "cmbController = BMC100 => Yes"}},
        Regression {"ControllerKeptForAnotherAxisDrive", SetupKinds::Controller, {"cmbController = BMC1600",
            "cmdController", "frmControl.cmb1(0) = 16 = 16 Axes", "frmControl.cmb1(1) = E = Encoder",
            "frmControl.cmb1(2) = 0 = No I/O", "frmControl.cmdDone", "cmbMotor_Tech = Stepper",
            "cmbDrive = SMD-230", "cmbAxis = Axis 3", "cmbController = BMC100 => No"}},
        Regression {"SameControllerOnAnotherAxis", SetupKinds::Controller, {"cmbController = 9Q10", "cmdController",
            "frmControl.cmb1(1) = 8 = 8 Axes", "frmControl.cmb1(2) = 16 = 16 I/O",
            "frmControl.cmb1(4) = C = CAN Bus", "frmControl.cmdDone", "cmbMotor_Tech = Servo", "cmbDrive = BSD-230",
            "cmbAxis = Axis 7", "cmbController = 9Q10"}},
        // An empty axis copied over a configured one leaves nothing of it.
        Regression {"CopyOfAnEmptyAxis", SetupKinds::Controller, {"cmbController = KEX200",
            "cmbMotor_Tech = Direct Drive", "cmbDrive = BDD-460", "cmbAxis_Number = 6", "cmdController",
            "frmControl.cmb1(0) = D = DIN Rail", "frmControl.cmb1(2) = 6 = 6 Axes",
            "frmControl.cmb1(3) = E = Ethernet", "cmbReq_Accessories_length = 2",
            "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdDone", "cmbReplicate = Axis 2"}},
        // Save writes what an open accessory dialog shows.
        Regression {"SavedUnderAxisAccessories", SetupKinds::Controller, {"cmbController = KEX200",
            "main.SaveAs = p1.dat", "main.Close", "main.Open = p1.dat", "frmControl.close",
            "cmbMotor_Tech = Direct Drive", "cmbDrive = BDD-230", "cmdDriveAccessories",
            "frmAccessories.lstAccessories = CTB-26 = Command Terminal Block", "main.Save", "frmAccessories.cmdDone"}},
        Regression {"SavedUnderControllerCards", SetupKinds::Controller, {"cmbController = KEX200", "cmdController",
            "frmControl.cmb1(0) = D = DIN Rail", "frmControl.cmb1(2) = 2 = 2 Axes",
            "frmControl.cmb1(3) = M = Modbus TCP", "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdAccessories",
            "frmAccessories.optExp(1)", "main.SaveAs = p1.dat", "frmAccessories.close"}},
        // The expansion choice goes with the cards it keeps, when the dialog stores them.
        Regression {"NoExpansionChosenOverStoredCards", SetupKinds::DriveController, {"cmbMotor_Tech = Stepper",
            "cmdDriveController", "frmDriveControl.cmb1(1) = S = Step/Direction",
            "frmDriveControl.cmb1(3) = 16 = 16 I/O", "frmDriveControl.cmdAccessories", "frmAccessories.optExp(1)",
            "frmAccessories.cmbTuq(0) = 6", "frmAccessories.cmdDone", "frmDriveControl.cmdAccessories",
            "frmAccessories.optExp(0)"}},
        // The connection of a refused drive goes whole.
        Regression {"BreakoutOfARefusedDrive", SetupKinds::Controller, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDrive = BSD-230", "cmbController = 9Q10", "cmbDrive = BSC-230 => Yes"}},
        // The one-entry rule holds for the breakout ports on every road: after
        // reopens as in a replay, and after another controller over a connection left shown.
        Regression {"OneBreakoutEntryAfterReopens", SetupKinds::Controller, {"cmbController = KEX200",
            "cmbMotor_Tech = Stepper", "main.SaveAs = p1.dat", "main.Close", "main.Open = p1.dat",
            "cmbDrive = SMD-230", "main.Save", "main.Close", "main.Open = p1.dat", "main.ResetAxis", "main.Save",
            "main.Close", "main.Open = p1.dat", "frmControl.cmdDone", "cmbController = 9Q10",
            "cmbMotor_Tech = Stepper", "cmbDrive = SMD-48"}},
        Regression {"BreakoutPortsOfAControllerAfterAnotherTechnology", SetupKinds::Controller,
            {"cmbController = BMC1600", "cmbMotor_Tech = Direct Drive", "cmbDrive = BDD-460", "cmbMotor_Tech = Stepper",
             "cmbController = 9Q10", "cmbDrive = BSD-460"}},
        // A smaller axis count keeps the axes beyond it, back when it grows.
        Regression {"AxisCountLoweredAndRaised", SetupKinds::Controller, fourConfiguredAxes() + QStringList {
            "cmdController", "frmControl.cmb1(2) = 2 = 2 Axes", "frmControl.cmb1(3) = E = Ethernet",
            "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdDone", "cmdController",
            "frmControl.cmb1(2) = 4 = 4 Axes", "frmControl.cmb1(3) = E = Ethernet",
            "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdDone"}},
        // A reopen keeps a saved count until the user's Done.
        Regression {"ControllerOfOneAxisOverFour", SetupKinds::Controller, fourConfiguredAxes() + QStringList {
            "cmbController = BMC100"}},
        Regression {"ControllerOfOneAxisOverAThirdAxis", SetupKinds::Controller, {"cmbController = BMC300",
            "cmdController", "frmControl.cmb1(1) = R = Resolver", "frmControl.cmb1(2) = 0 = No I/O",
            "frmControl.cmb1(3) = E = Ethernet", "frmControl.cmdDone", "cmbAxis = Axis 3", "cmbController = BMC100",
            "cmbMotor_Tech = Stepper", "cmbMotor_Series = SX"}},
        // Opening a project closes every window of the former one.
        Regression {"OptionsDialogOverAnOpenedProject", SetupKinds::Controller, {"cmbController = BMC100",
            "cmdController", "main.Open = drivecontroller.dat", "frmControl.cmdDone", "main.SaveAs = p1.dat"}, 1},
        Regression {"DriveFormOverAnOpenedProject", SetupKinds::Drive, {"cmbMotor_Tech = Direct Drive",
            "cmbMotor_Series = CR", "cmbFrame_size = 02", "cmdCurve", "main.Open = controller.dat",
            "frmDrive_Setup.cmbMotor_Tech = Servo", "frmDrive_Setup.cmbMotor_Series = KX", "main.SaveAs = p1.dat"},
            2},
        // Close closes the curve window.
        Regression {"CurveWindowAtClose", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbMotor_Series = ZU",
            "cmbFrame_size = 34", "cmdCurve", "main.SaveAs = p1.dat", "main.Close"}},
        // The bill is a function of the record, whatever the order of choices.
        Regression {"BreakoutOfTechnologyAfterSeries", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbController = BMC300", "cmbMotor_Series = CR", "cmbMotor_Tech = Stepper", "cmdController",
            "frmControl.cmb1(1) = E = Encoder", "frmControl.cmb1(2) = 0 = No I/O", "frmControl.cmb1(3) = E = Ethernet",
            "frmControl.cmdDone"}},
        Regression {"BreakoutOfDriveAfterController", SetupKinds::Controller, {"cmbController = KEX200",
            "cmbMotor_Tech = Servo", "cmbDrive = BSD-460", "cmbMotor_Tech = Direct Drive", "cmbController = BMC300",
            "cmbDrive = BSD-48", "cmdController", "frmControl.cmb1(1) = E = Encoder", "frmControl.cmb1(2) = 0 = No I/O",
            "frmControl.cmb1(3) = E = Ethernet", "frmControl.cmdDone"}},
        // A file the program wrote opens with no question.
        Regression {"QuestionAtOpenAfterAnotherController", SetupKinds::Controller, {"main.SaveAs = p1.dat",
            "cmbMotor_Tech = Direct Drive", "cmbController = BMC1600", "cmbMotor_Series = CT", "cmdController",
            "frmControl.cmb1(0) = 12 = 12 Axes", "frmControl.cmb1(1) = R = Resolver",
            "frmControl.cmb1(2) = 1 = 32 I/O", "main.Save", "main.Close", "main.Open = p1.dat", "frmControl.cmdDone",
            "cmbAxis = Axis 5", "cmbController = 9Q10", "main.Save", "main.Close", "main.Open = p1.dat"}},
        // Export Data writes the open project's report.
        Regression {"ExportUnderAxisAccessories", SetupKinds::Controller, {"cmbController = 9Q10",
            "cmbMotor_Tech = Servo", "cmbDrive = BSD-460", "cmdDriveAccessories", "main.ExportData"}},
        // A window goes with what it was opened for.
        Regression {"CurveOfAnotherVoltage", SetupKinds::Drive, {"cmbMotor_Tech = Stepper", "cmbDrive = SMD-48",
            "cmbMotor_Series = ST", "cmbStack_length = 2", "cmbShaft_options = F = Flatted Shaft", "cmdCurve",
            "cmbDriveVoltage = 48VDC"}},
        Regression {"CurveOfAnOptionLeftForAGearhead", SetupKinds::Drive, {"cmbMotor_Tech = Servo",
            "cmbDrive = BSD-48", "cmbFrame_size = 23", "cmbStack_length = 1", "cmbShaft_options = K = Keyway",
            "cmbOptions = B = Holding Brake", "cmdCurve", "cmbOptions = GXX = Gearhead"}},
        Regression {"CurveOfAGearheadPlaceholderAtCancel", SetupKinds::Drive, {"cmbMotor_Tech = Stepper",
            "cmbDrive = SMD-230", "cmbMotor_Series = ST", "cmbFrame_size = 42", "cmbStack_length = 2",
            "cmbShaft_options = R = Round Shaft", "cmbOptions = None", "cmbOptions = GXX = Gearhead", "cmdCurve",
            "frmGear.cmdCancel"}},
        Regression {"GearheadDialogOverAnotherOption", SetupKinds::Drive, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDrive = BSC-230", "cmbFrame_size = 16", "cmbStack_length = 1",
            "cmbShaft_options = S = Smooth Shaft", "cmbOptions = GXX = Gearhead", "cmbOptions = B = Holding Brake"}},
        // Notes the user emptied stay empty at a reopen.
        Regression {"GearheadNotesEmptiedByTheUser", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDriveController = BSD-48", "cmbFrame_size = 23", "cmbStack_length = 2",
            "cmbShaft_options = S = Smooth Shaft", "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GR23-020",
            "frmGear.txtNotes := ", "frmGear.close"}},
        // A project opened over another is billed from its own record.
        Regression {"DriveOpenedOverASecondAxis", SetupKinds::Drive, {"main.Open = controller.dat",
            "frmControl.close", "frmController_Setup.cmbAxis = Axis 2", "main.Open = drive.dat"}},
        // The breakout stands for the other axes' drives once a refused drive reset this axis.
        Regression {"BreakoutOfOtherAxesAfterARefusedDrive", SetupKinds::DriveController,
            {"main.Open = controller.dat", "frmController_Setup.cmbController = BMC100",
             "frmController_Setup.cmbDrive = SMD-230 => Yes"}},
        // The curve window shown again for another axis draws that axis.
        Regression {"CurveShownAgainForAnotherAxis", SetupKinds::DriveController, {"main.Open = controller.dat",
            "frmController_Setup.cmbDriveVoltage = 48VDC", "frmController_Setup.cmdCurve",
            "frmController_Setup.cmbAxis = Axis 4", "frmController_Setup.cmdCurve"}},
        // An option level chosen anew closes the accessory dialog open for the former configuration.
        Regression {"CardsOfAFormerConfiguration", SetupKinds::Controller, {"cmbController = KEX200",
            "cmdController", "frmControl.cmb1(0) = D = DIN Rail", "frmControl.cmb1(2) = 8 = 8 Axes",
            "frmControl.cmb1(3) = E = Ethernet", "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdAccessories",
            "frmControl.cmb1(3) = M = Modbus TCP", "frmAccessories.optExp(1)", "frmControl.cmb1(5) = 0 = No Display",
            "frmAccessories.lstAccessories = PS-24-10 = 24 VDC 10 A Power Supply", "frmAccessories.cmbTuq(2) = 3",
            "frmAccessories.cmdDone"}, 4},
        // Reopened on a changed catalogue: what the catalogue cannot give goes
        // with what derives from it, and a step the form cannot take refuses.
        Regression {"PortsOfABreakoutGone", SetupKinds::Controller, {"main.Open = controller.dat",
            "main.Catalogue = UPDATE [All Controllers] SET [Required Accessory] = ''",
            "frmController_Setup.cmbReplicate = Axis 2"}},
        Regression {"FrameSizeOfASeriesWithoutType", SetupKinds::Drive, {"cmbMotor_Tech = Stepper",
            "cmbDrive = SMD-230", "cmbMotor_Series = ST", "cmbFrame_size = 42",
            "main.Catalogue = UPDATE [Motors] SET [PartNumber Type] = NULL", "cmbFrame_size = 42"}, 1},
        Regression {"AxisCountsTheCatalogueCannotGive", SetupKinds::Controller, {
            "main.Catalogue = UPDATE [All Controllers] SET [TotalSteppers] = ''", "main.Close",
            "main.New = frmController_Setup", "main.Save = p2.dat", "cmbController = BMC1600", "main.Save",
            "main.Open = p2.dat", "frmControl.cmb1(0) = 16 = 16 Axes", "frmControl.cmb1(1) = R = Resolver",
            "frmControl.cmb1(2) = 0 = No I/O", "main.Save", "main.Open = p2.dat"}},
        Regression {"OptionsRowsWithoutAName", SetupKinds::DriveController, {"cmbMotor_Tech = Stepper",
            "main.Catalogue = INSERT INTO [Controller to Drive] SELECT * FROM [Controller to Drive]; UPDATE [All "
            "DriveControllers] SET [DriveController Name] = ''",
            "main.ResetAll"}},
        Regression {"CardsOfOptionsWithoutAConstruction", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbDriveController = BSC-230", "cmdDriveController", "frmDriveControl.cmb1(1) = C = CAN Bus",
            "frmDriveControl.cmb1(3) = 1 = 8 DI / 4 DO", "frmDriveControl.cmb1(4) = S = Safe Torque Off",
            "frmDriveControl.cmdAccessories", "frmAccessories.optExp(1)", "frmAccessories.cmbTuq(1) = 6",
            "main.Catalogue = UPDATE [DriveController Construction] SET [DriveController Name] = ''"}},
        Regression {"ARequiredCardSetToNone", SetupKinds::Controller, {"main.Open = controller.dat",
            "frmControl.cmdAccessories", "frmAccessories.optExp(1)", "frmAccessories.cmdDone",
            "frmControl.cmdAccessories", "frmAccessories.cmbTuq(9) = 0"}}),
    [](const ::testing::TestParamInfo<Regression>& info) { return std::string(info.param.name); });

} // namespace
