// The drive setup form's cascade on the sample catalogue (argument 0) and on a
// catalogue with 100 times as many [Drive to Motor], Options and Cables rows
// (argument 1): one user choice per list (with the automatic selections it
// sets off), Save_String, and the replay of a saved project.

#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "setup/FormCatalog.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kCopies = 100;

struct Session {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<MsgBox::Seam> messages;
    QTemporaryDir largeFolder;
};

// Copies the sample database and multiplies three tables: every copy of a row
// names another drive, series or cable, so the chosen path finds the same rows
// among a hundred times as many.
void buildLargeCatalogue(const QString& folder)
{
    const QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/System Databases97.mdb");
    const QString target = folder + QStringLiteral("/System Databases97.mdb");
    if (!QFile::copy(source, target))
        throw std::runtime_error("cannot copy the sample catalogue");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(target);
        if (!db.open())
            throw std::runtime_error("cannot open the large catalogue");
        QSqlQuery q(db);
        const auto run = [&q](const QString& sql) {
            if (!q.exec(sql))
                throw std::runtime_error(q.lastError().text().toStdString());
        };
        run(QStringLiteral("BEGIN"));
        const QList<QPair<QString, QString>> tables = {{QStringLiteral("[Drive to Motor]"), QStringLiteral("[Drive Name]")},
                                                       {QStringLiteral("Options"), QStringLiteral("[Motor Name]")},
                                                       {QStringLiteral("Cables"), QStringLiteral("Cable")}};
        for (const auto& [table, key] : tables) {
            run(QStringLiteral("CREATE TEMP TABLE base AS SELECT * FROM %1").arg(table));
            run(QStringLiteral("SELECT count(*) FROM base"));
            q.next();
            const int rows = q.value(0).toInt();
            run(QStringLiteral("SELECT max(rowid) FROM %1").arg(table));
            q.next();
            int last = q.value(0).toInt();
            for (int copy = 2; copy <= kCopies; ++copy) {
                run(QStringLiteral("INSERT INTO %1 SELECT * FROM base").arg(table));
                run(QStringLiteral("UPDATE %1 SET %2 = %2 || '~%3' WHERE rowid > %4").arg(table, key).arg(copy).arg(last));
                last += rows;
            }
            run(QStringLiteral("DROP TABLE base"));
        }
        run(QStringLiteral("COMMIT"));
        run(QStringLiteral("ANALYZE"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
}

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
        FormCatalog::registerAll();
        buildLargeCatalogue(created->largeFolder.path());
        return created;
    }();
    return *s;
}

frmDrive_Setup* formOn(int catalogue)
{
    Session& s = session();
    Forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Globals::Reset_All_State();
    if (catalogue == 1)
        Globals::Set_App_Folder_For_Tests(s.largeFolder.path());
    return Forms::get<frmDrive_Setup>(QStringLiteral("frmDrive_Setup"));
}

ListControl* control(frmDrive_Setup* form, const char* name)
{
    return form->findChild<ListControl*>(QLatin1String(name));
}

void choose(frmDrive_Setup* form, const char* list, const char* entry)
{
    if (!control(form, list)->choose(QLatin1String(entry)))
        throw std::runtime_error(std::string(list) + " lacks " + entry);
}

// A complete servo system: the path every benchmark starts from.
const QList<QPair<const char*, const char*>> kPath = {
    {"cmbMotor_Tech", "Servo"},
    {"cmbDrive", "BSD-460"},
    {"cmbMotor_Series", "LM"},
    {"cmbFrame_size", "80"},
    {"cmbStack_length", "2"},
    {"cmbWinding", "B"},
    {"cmbFeedback", "R = Resolver"},
    {"cmbShaft_options", "S = Smooth Shaft"},
    {"cmbCable_Option", "C = Connectors"},
    {"cmbOptions", "0 = Standard"},
    {"cmbDriveVoltage", "460VAC"},
    {"cmbFeedback_Cable_Length", "10"},
};

frmDrive_Setup* configured(int catalogue)
{
    frmDrive_Setup* form = formOn(catalogue);
    for (const auto& [list, entry] : kPath)
        choose(form, list, entry);
    return form;
}

void finish(benchmark::State& state)
{
    state.SetLabel(state.range(0) == 0 ? "sample" : "100x");
    // A handler that failed would have told the user: the figures would not count.
    if (!session().messages->messages().isEmpty()) {
        state.SkipWithError(session().messages->prompts().join(QLatin1Char('|')).toStdString().c_str());
        session().messages->clear();
    }
    Forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Globals::Reset_All_State();
}

// One choice in a list of the path; the lists below it are refilled each time.
void BM_Choice(benchmark::State& state, int step)
{
    frmDrive_Setup* form = configured(static_cast<int>(state.range(0)));
    const auto& [list, entry] = kPath.at(step);
    for (auto _ : state)
        choose(form, list, entry);
    finish(state);
}

// A frame size whose one-entry lists select themselves down to the motor
// options, the voltage and the drive part number.
void BM_ChainFromFrameSize(benchmark::State& state)
{
    frmDrive_Setup* form = formOn(static_cast<int>(state.range(0)));
    choose(form, "cmbMotor_Tech", "Servo");
    choose(form, "cmbMotor_Series", "ZU");
    choose(form, "cmbDrive", "ZU"); // the large catalogue pairs ZU with a hundred drives
    for (auto _ : state)
        choose(form, "cmbFrame_size", "34");
    finish(state);
}

// A series chosen before a drive lists every drive paired with it: a hundred
// times as many on the large catalogue.
void BM_SeriesBeforeDrive(benchmark::State& state)
{
    frmDrive_Setup* form = formOn(static_cast<int>(state.range(0)));
    choose(form, "cmbMotor_Tech", "Servo");
    for (auto _ : state)
        choose(form, "cmbMotor_Series", "LM");
    state.counters["drives"] = control(form, "cmbDrive")->listCount();
    finish(state);
}

void BM_Save_String(benchmark::State& state)
{
    frmDrive_Setup* form = configured(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(form->Save_String());
    finish(state);
}

// The main window's Open after reading the file: Reset, then the replay.
void BM_Replay(benchmark::State& state)
{
    frmDrive_Setup* form = configured(static_cast<int>(state.range(0)));
    const QString text = form->Save_String();
    for (auto _ : state) {
        Globals::Loading_Project = true;
        form->Reset();
        Globals::Project_Lines = text.split(QLatin1Char('\r'));
        form->Load_Previous_Values();
        if (Globals::Loading_Project || form->Save_String() != text)
            state.SkipWithError("the replay did not give the saved project back");
    }
    finish(state);
}

const char* const kChoiceNames[] = {"Technology", "Drive",       "MotorSeries", "FrameSize",
                                    "StackLength", "Winding",    "Feedback",    "ShaftOption",
                                    "CableOption", "MotorOption", "Voltage",    "CableLength"};

[[maybe_unused]] const bool registered = [] {
    for (int step = 1; step < kPath.size(); ++step)
        benchmark::RegisterBenchmark((std::string("BM_Choice/") + kChoiceNames[step]).c_str(),
                                     [step](benchmark::State& state) { BM_Choice(state, step); })
            ->Arg(0)
            ->Arg(1)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

BENCHMARK(BM_ChainFromFrameSize)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeriesBeforeDrive)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_String)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Replay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
