// The catalogues a maker may ship next, each against every seed project: every
// table emptied, every column the program reads made Null and made empty text,
// every table's rows held twice, every value of every options level withdrawn.
// Opened through File > Open with the options dialogs it shows closed by Done,
// exported, saved with Save As and opened again, a project either bills and
// saves exactly as on the intact catalogue or is told the catalogue's fault or
// the withdrawn product: never a different bill or file in silence, never a
// valid catalogue refused, never a damaged catalogue blamed on the file.
// A column needs a value where the program says so: there an empty value is
// damage, to be named as the catalogue's. An empty value in any other column
// is one the catalogue may hold: it may withdraw what the seed uses, as a
// value the column holds or the seed's own rows gone would, it may change what
// the seed opens with as a value the column holds would, and an emptied note
// may follow into the file.
// The changes come from the program's list of the columns it reads and the
// sample catalogue's rows, so that a new table, column or option is covered as
// it comes. Each failing case is one line: the change, the seed, what went wrong.

#include "support/AppFixture.h"
#include "support/OfferedBill.h"
#include "support/ProjectRoundTrip.h"
#include "support/SetupFormFixture.h"
#include "support/SqliteFile.h"

#include "common/TestFiles.h"

#include "platform/Win1252.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <iostream>
#include <map>
#include <tuple>

namespace {

const QString kCatalogue = QStringLiteral("System Databases97.mdb");
const QString kCatalogueFault = QStringLiteral("The database ") + kCatalogue + QLatin1Char(' ');
const QString kBillHeading = QStringLiteral("Bill of Material");
const QString kDiscard = QStringLiteral(" not fully configured.\r\nHit Cancel to Return or OK to Discard.");
constexpr int kShards = 24;

// The tables whose rows are the levels of an options dialog, with the column
// naming their product and the message telling a saved level withdrawn.
struct LevelTable {
    QString table;
    QString product;
    QString lost;
};

const LevelTable kLevelTables[] = {
    {"All Controllers", "Controller Name",
     "Previously selected controller option no longer available or restructured."},
    {"All DriveControllers", "DriveController Name",
     "Previously selected DriveController option no longer available or restructured."},
};

QString bracketed(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString literal(const QString& value)
{
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

// The program syncs every file it writes to the disk: thousands of cases would
// wait on it far longer than they run, so they keep their files in memory
// where the system has a memory file system.
QString scratchFolder()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return (memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath())
        + QStringLiteral("/quenro-catalogue-XXXXXX");
}

// What the program wrote there.
QByteArray written(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not written)");
}

// A writable copy of the sample catalogue changed by the statements; false
// when the schema refuses them.
bool changedCopy(const QTemporaryDir& folder, const QStringList& statements)
{
    EXPECT_TRUE(SqliteFile::copySample(kCatalogue, folder.path()));
    return SqliteFile::run(folder.filePath(kCatalogue), statements).isEmpty();
}

// The sample catalogue, read through the program's own database layer.
class Sample {
public:
    Sample() : m_db(Database::open(QCoreApplication::applicationDirPath() + QLatin1Char('/') + kCatalogue)) {}

    QStringList columns(const QString& table) const
    {
        QStringList names;
        for (Recordset rs = m_db.OpenRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
             !rs.eof(); rs.moveNext())
            names << rs.text(QStringLiteral("name"));
        return names;
    }

    // The distinct rows of the columns, Null kept apart from empty text.
    QList<QVariantList> rows(const QString& table, const QStringList& columns) const
    {
        QStringList fields;
        for (const QString& c : columns)
            fields << bracketed(c);
        QList<QVariantList> out;
        for (Recordset rs = m_db.OpenRecordset(QStringLiteral("SELECT DISTINCT %1 FROM %2")
                                                   .arg(fields.join(QStringLiteral(", ")), bracketed(table)));
             !rs.eof(); rs.moveNext()) {
            QVariantList row;
            for (const QString& c : columns)
                row << rs.value(c);
            out << row;
        }
        return out;
    }

private:
    Database m_db;
};

struct Change {
    enum Kind { Emptied, Null, EmptyText, Doubled, Withdrawn };
    Kind kind;
    QString table;
    QString sql;
    // The column made Null or empty, and whether the program needs a value in it.
    QString column {};
    bool needed = false;
    // A withdrawal's product and value, and whether the product keeps a row.
    QString product {};
    QString value {};
    bool productGone = false;
};

QList<Change> changes()
{
    const Sample sample;
    const QList<Globals::Catalogue_Column> read = Globals::Catalogue_Columns();
    QList<Change> out;
    QStringList tables;
    for (const Globals::Catalogue_Column& c : read)
        if (!tables.contains(c.table))
            tables << c.table;
    for (const QString& table : tables) {
        out << Change {Change::Emptied, table, QStringLiteral("DELETE FROM %1").arg(bracketed(table))};
        out << Change {Change::Doubled, table, QStringLiteral("INSERT INTO %1 SELECT * FROM %1").arg(bracketed(table))};
    }
    for (const Globals::Catalogue_Column& c : read)
        for (const auto& [kind, value] : {std::pair {Change::Null, "NULL"}, std::pair {Change::EmptyText, "''"}})
            out << Change {.kind = kind,
                           .table = c.table,
                           .sql = QStringLiteral("UPDATE %1 SET %2 = %3")
                                      .arg(bracketed(c.table), bracketed(c.column), value),
                           .column = c.column,
                           .needed = c.needed};

    // Each value of each level of each product, withdrawn in turn.
    static const QRegularExpression level(QStringLiteral("^Option\\d+$"));
    for (const LevelTable& levels : kLevelTables)
        for (const QString& column : sample.columns(levels.table).filter(level)) {
            const QList<QVariantList> values = sample.rows(levels.table, {levels.product, column});
            for (const QVariantList& row : values) {
                const QString product = row.at(0).toString();
                const QVariant& value = row.at(1);
                const QString condition =
                    value.isNull() ? QStringLiteral("IS NULL") : QStringLiteral("= ") + literal(value.toString());
                Change withdrawn {.kind = Change::Withdrawn,
                                  .table = levels.table,
                                  .sql = QStringLiteral("DELETE FROM %1 WHERE %2 = %3 AND %4 %5")
                                             .arg(bracketed(levels.table), bracketed(levels.product),
                                                  literal(product), bracketed(column), condition),
                                  .product = product,
                                  .value = value.toString()};
                withdrawn.productGone =
                    std::ranges::count_if(values, [&](const QVariantList& r) { return r.at(0) == row.at(0); }) == 1;
                out << withdrawn;
            }
        }
    return out;
}

// What one seed went through: File > Open (the options dialogs closed by
// Done), Export Data, Save As, and the saved file opened, exported and saved again.
struct SeedRun {
    QString thrown;
    QStringList opening;
    QStringList reopening;
    bool opened = false;
    bool reopened = false;
    QString bill;
    QString billAgain;
    QByteArray saved;
    QByteArray savedAgain;
    // Lines of the bill the catalogue does not offer, after an opening that told something.
    QStringList unoffered;
};

struct Counts {
    int cases = 0;
    int identical = 0;
    int notes = 0;
    int refusedBySchema = 0;
    // The cases that told something and those that failed, by the kind of the first message.
    QMap<QString, int> told;
    QMap<QString, int> failed;

    void add(const Counts& other)
    {
        cases += other.cases;
        identical += other.identical;
        notes += other.notes;
        refusedBySchema += other.refusedBySchema;
        for (const auto& [mine, theirs] : {std::pair {&told, &other.told}, std::pair {&failed, &other.failed}})
            for (auto it = theirs->cbegin(); it != theirs->cend(); ++it)
                (*mine)[it.key()] += it.value();
    }

    std::string text() const
    {
        QString kinds;
        const auto total = [&](const QMap<QString, int>& byKind, const QString& outcome) {
            int sum = 0;
            for (auto it = byKind.cbegin(); it != byKind.cend(); ++it) {
                sum += it.value();
                kinds += QStringLiteral("\n  %1 %2: %3").arg(outcome).arg(it.value()).arg(it.key());
            }
            return sum;
        };
        const int toldCases = total(told, QStringLiteral("told"));
        const int failedCases = total(failed, QStringLiteral("failed"));
        return QStringLiteral("%1 cases: %2 opened identical, %3 opened with the catalogue's notes, %4 told, %5 failed "
                              "(%6 changes the schema refuses)%7")
            .arg(cases)
            .arg(identical)
            .arg(notes)
            .arg(toldCases)
            .arg(failedCases)
            .arg(refusedBySchema)
            .arg(kinds)
            .toStdString();
    }
};

// Every shard run in this process, printed at its end.
Counts& allShards()
{
    static Counts counts;
    return counts;
}

class Totals : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (allShards().cases)
            std::cout << "[ totals   ] " << allShards().text() << std::endl;
    }
};

[[maybe_unused]] ::testing::Environment* const kTotals = ::testing::AddGlobalTestEnvironment(new Totals);

// A message's first line with what it names left out, so that messages of one kind count together.
QString messageKind(const QString& message)
{
    static const QRegularExpression named(QStringLiteral("\"[^\"]*\""));
    return message.section(QLatin1Char('\r'), 0, 0).replace(named, QStringLiteral("\"...\""));
}

// The first bill line one bill has and the other lacks, blanks run together.
QString billDifference(const QString& before, const QString& after)
{
    const auto lines = [](const QString& bill) {
        QStringList out;
        for (const QString& line : bill.split(QStringLiteral("\r\n")))
            out << line.simplified();
        return out;
    };
    QStringList lost = lines(before);
    QStringList gained;
    for (const QString& line : lines(after))
        if (!lost.removeOne(line))
            gained << line;
    if (!lost.isEmpty() && !gained.isEmpty())
        return QStringLiteral("\"%1\" became \"%2\"").arg(lost.first(), gained.first());
    return lost.isEmpty() ? QStringLiteral("gained \"%1\"").arg(gained.value(0))
                          : QStringLiteral("lost \"%1\"").arg(lost.first());
}

// Whether the saved file differs from the intact run's only where the intact
// line is a note the changed column held, now emptied with it: notes are the
// catalogue's text, copied into the file.
bool followsNotes(const Change& change, const QByteArray& intact, const QByteArray& changed)
{
    if (!change.column.endsWith(QLatin1String("Notes")))
        return false;
    QSet<QString> notes;
    for (const QVariantList& row : Sample().rows(change.table, {change.column}))
        notes << row.at(0).toString();
    notes.remove(QString());
    const QStringList before = Win1252::decode(intact).split(QLatin1Char('\r'));
    const QStringList after = Win1252::decode(changed).split(QLatin1Char('\r'));
    if (before.size() != after.size())
        return false;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before.at(i) != after.at(i) && !(notes.contains(before.at(i)) && after.at(i).isEmpty()))
            return false;
    return true;
}

QStringList seeds()
{
    QStringList paths;
    const QDir folder(QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file"));
    for (const QString& name : folder.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

class CatalogueChangesTest : public AppFixture, public ::testing::WithParamInterface<int> {
protected:
    // Runs every seed on the intact catalogue.
    void runIntact();
    // Why the seed's case fails on the changed catalogue; empty when it opened
    // as on the intact one or told what changed.
    QString verdict(const Change& change, qsizetype seed, const SeedRun& changed);
    // The seed on a catalogue copy changed by the statements.
    SeedRun runOn(const QStringList& statements, qsizetype seed);
    SeedRun run(const QString& seed);

    QStringList m_seeds = seeds();
    QList<SeedRun> m_intact;

private:
    bool open(const QString& path, QStringList& messages);
    QString exportBill();
    QByteArray saveAs(const QString& name);
    // Why the message misleads about the change; empty when it tells it.
    QString misleads(const Change& change, qsizetype seed, const QString& message);
    // The first message the seed meets when its own rows of the table are gone,
    // the rest of the table kept.
    QString withoutItsRows(const QString& table, qsizetype seed);
    // Whether the seed meets the message too when the changed column holds, in
    // every row, one of the values it holds in the intact catalogue; for an
    // empty message, whether it then opens untold yet bills or saves otherwise.
    bool toldByAValue(const Change& change, qsizetype seed, const QString& message);

    QTemporaryDir m_dir {scratchFolder()};
    QList<QSet<QString>> m_lines;
    std::map<std::pair<QString, qsizetype>, QString> m_withoutItsRows;
    std::map<std::tuple<QString, QString, qsizetype, QString>, bool> m_toldByAValue;
};

bool CatalogueChangesTest::open(const QString& path, QStringList& messages)
{
    files->queuePath(path);
    mainWindow().mnuOpen_Click();
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (Form* options = kind.optionsDialog.isEmpty() ? nullptr : Forms::find(kind.optionsDialog))
            options->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
    processEvents();
    messages = msg->prompts();
    msg->clear();
    return !Globals::Project_Path.isEmpty();
}

QString CatalogueChangesTest::exportBill()
{
    const QString path = m_dir.filePath(QStringLiteral("report.txt"));
    QFile::remove(path);
    files->queuePath(path);
    mainWindow().mnuExport_Data_Click();
    const QString report = QString::fromLatin1(written(path));
    return report.mid(report.indexOf(kBillHeading));
}

QByteArray CatalogueChangesTest::saveAs(const QString& name)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    files->queuePath(path);
    mainWindow().mnuSave_As_Click();
    return written(path);
}

SeedRun CatalogueChangesTest::run(const QString& seed)
{
    SeedRun r;
    try {
        r.opened = open(seed, r.opening);
        if (r.opened) {
            r.bill = exportBill();
            // A bill that must equal the intact one needs no other check.
            if (!r.opening.isEmpty())
                r.unoffered = OfferedBill::faults();
            r.saved = saveAs(QStringLiteral("saved.dat"));
            r.reopened = open(m_dir.filePath(QStringLiteral("saved.dat")), r.reopening);
            if (r.reopened) {
                r.billAgain = exportBill();
                r.savedAgain = saveAs(QStringLiteral("again.dat"));
            }
        }
    } catch (const std::exception& e) {
        r.thrown = QString::fromUtf8(e.what());
    }
    msg->clear();
    return r;
}

SeedRun CatalogueChangesTest::runOn(const QStringList& statements, qsizetype seed)
{
    QTemporaryDir folder(scratchFolder());
    if (!changedCopy(folder, statements)) {
        ADD_FAILURE() << "the schema refuses " << statements.join("; ").toStdString();
        return {};
    }
    Globals::Set_App_Folder_For_Tests(folder.path());
    return run(m_seeds.at(seed));
}

void CatalogueChangesTest::runIntact()
{
    for (qsizetype s = 0; s < m_seeds.size(); ++s) {
        m_intact << runOn({}, s);
        ASSERT_TRUE(m_intact.last().opened && m_intact.last().opening.isEmpty())
            << m_seeds.at(s).toStdString() << ": " << m_intact.last().opening.join(" | ").toStdString();
        const QStringList lines = QString::fromLatin1(fileBytes(m_seeds.at(s))).split(QLatin1Char('\r'));
        m_lines << QSet<QString>(lines.cbegin(), lines.cend());
        m_lines.last().remove(QString());
    }
}

QString CatalogueChangesTest::withoutItsRows(const QString& table, qsizetype seed)
{
    const auto key = std::pair {table, seed};
    if (const auto known = m_withoutItsRows.find(key); known != m_withoutItsRows.end())
        return known->second;
    QStringList values;
    for (const QString& line : m_lines.at(seed))
        values << literal(line);
    QStringList holds;
    for (const QString& c : Sample().columns(table))
        holds << QStringLiteral("%1 IN (%2)").arg(bracketed(c), values.join(QLatin1Char(',')));
    const QString folder = Globals::Application_Folder();
    const SeedRun control = runOn(
        {QStringLiteral("DELETE FROM %1 WHERE %2").arg(bracketed(table), holds.join(QStringLiteral(" OR ")))}, seed);
    Globals::Set_App_Folder_For_Tests(folder);
    const bool same = control.opening.isEmpty() && control.bill == m_intact.at(seed).bill
        && control.saved == m_intact.at(seed).saved;
    return m_withoutItsRows[key] = same ? QString() : control.opening.value(0, QStringLiteral("(changed in silence)"));
}

bool CatalogueChangesTest::toldByAValue(const Change& change, qsizetype seed, const QString& message)
{
    const auto key = std::tuple {change.table, change.column, seed, message};
    if (const auto known = m_toldByAValue.find(key); known != m_toldByAValue.end())
        return known->second;
    const QString folder = Globals::Application_Folder();
    bool told = false;
    for (const QVariantList& row : Sample().rows(change.table, {change.column})) {
        const QString value = row.at(0).toString();
        if (value.isEmpty())
            continue;
        const SeedRun control = runOn({QStringLiteral("UPDATE %1 SET %2 = %3")
                                           .arg(bracketed(change.table), bracketed(change.column), literal(value))},
                                      seed);
        const SeedRun& intact = m_intact.at(seed);
        told = message.isEmpty() ? control.opened && control.opening.isEmpty()
                && (control.bill != intact.bill || control.saved != intact.saved)
                                 : control.opening.contains(message) || control.reopening.contains(message);
        if (told)
            break;
    }
    Globals::Set_App_Folder_For_Tests(folder);
    return m_toldByAValue[key] = told;
}

QString CatalogueChangesTest::misleads(const Change& change, qsizetype seed, const QString& message)
{
    if (message.startsWith(kCatalogueFault))
        return message.contains(QLatin1String("has no row in table"))
            ? QStringLiteral("a valid catalogue refused: ") + message
            : QString();
    const auto lost = std::ranges::find(kLevelTables, message, &LevelTable::lost);
    if (message != kLoadError && lost == std::end(kLevelTables))
        return QStringLiteral("message: ") + message;
    switch (change.kind) {
    case Change::Withdrawn: {
        if (!m_lines.at(seed).contains(change.product))
            return QStringLiteral("told, though the seed holds no %1: %2").arg(change.product, message);
        if (message == kLoadError)
            return change.productGone ? QString()
                                      : QStringLiteral("refused whole, though the product keeps rows: ") + message;
        return lost->table == change.table && m_lines.at(seed).contains(change.value)
            ? QString()
            : QStringLiteral("told withdrawn, though its value is kept: ") + message;
    }
    case Change::Emptied: {
        // As when only the seed's own rows of the table are gone.
        const QString alone = withoutItsRows(change.table, seed);
        if (alone == message)
            return {};
        return alone.isEmpty() ? QStringLiteral("refused, though the seed needs none of its rows: ") + message
                               : QStringLiteral("told \"%1\", though without its own rows: \"%2\"").arg(message, alone);
    }
    case Change::Null:
    case Change::EmptyText:
        // An empty value the catalogue may hold withdraws what the seed uses as
        // a value of the column would, or as the seed's own rows gone would:
        // a row a key is empty in is no longer offered.
        if (!change.needed)
            return toldByAValue(change, seed, message) || withoutItsRows(change.table, seed) == message
                ? QString()
                : QStringLiteral("told withdrawn, though no value of the column withdraws it: ") + message;
        [[fallthrough]];
    default:
        return message == kLoadError ? QStringLiteral("blamed on the project file: ") + message
                                     : QStringLiteral("a damaged level told withdrawn: ") + message;
    }
}

QString CatalogueChangesTest::verdict(const Change& change, qsizetype seed, const SeedRun& changed)
{
    const SeedRun& intact = m_intact.at(seed);
    if (!changed.thrown.isEmpty())
        return QStringLiteral("threw: ") + changed.thrown;
    if (changed.opening.isEmpty()) {
        if (!changed.opened)
            return QStringLiteral("refused in silence");
        // An empty value the catalogue may hold changes the project as a value
        // of the column would: what the reopening tells of it is not this guard's.
        const bool asAValue = !change.needed && (change.kind == Change::Null || change.kind == Change::EmptyText);
        if (changed.bill != intact.bill && !(asAValue && toldByAValue(change, seed, {})))
            return QStringLiteral("bill changed in silence: ") + billDifference(intact.bill, changed.bill);
        if (changed.saved != intact.saved && !followsNotes(change, intact.saved, changed.saved)
            && !(asAValue && toldByAValue(change, seed, {})))
            return QStringLiteral("file changed in silence, ")
                + ProjectRoundTrip::firstDifference(QString::fromLatin1(intact.saved),
                                                     QString::fromLatin1(changed.saved), QStringLiteral("\r"));
        if (!changed.reopening.isEmpty())
            return QStringLiteral("reopened with: ") + changed.reopening.join(QLatin1String(" | "));
        if (changed.billAgain != changed.bill || changed.savedAgain != changed.saved)
            return QStringLiteral("the reopened project bills or saves otherwise");
        return {};
    }
    // Done on a level left for the user asks whether to discard it, once the user was told.
    const auto heard = [&](const QStringList& messages, bool told) -> QString {
        for (const QString& message : messages) {
            if (message.endsWith(kDiscard)) {
                if (!told)
                    return QStringLiteral("a level left unchosen untold, Done asks: ") + message.section('\r', 0, 0);
                continue;
            }
            if (const QString why = misleads(change, seed, message); !why.isEmpty())
                return why;
            told = true;
        }
        return {};
    };
    if (const QString why = heard(changed.opening, false); !why.isEmpty())
        return why;
    if (const QString why = heard(changed.reopening, true); !why.isEmpty())
        return QStringLiteral("reopened: ") + why;
    if (!changed.unoffered.isEmpty())
        return QStringLiteral("told, yet bills ") + changed.unoffered.first();
    return {};
}

TEST_P(CatalogueChangesTest, EverySeedOpensAsBeforeOrIsTold)
{
    QElapsedTimer clock;
    clock.start();
    const QList<Change> all = changes();
    ASSERT_FALSE(m_seeds.isEmpty());
    // Thousands of openings: the windows are not painted, which is all that skips.
    mainWindow().setUpdatesEnabled(false);
    runIntact();
    ASSERT_FALSE(HasFatalFailure());

    Counts counts;
    QStringList failures;
    for (qsizetype c = GetParam(); c < all.size(); c += kShards) {
        const Change& change = all.at(c);
        QTemporaryDir folder(scratchFolder());
        if (!changedCopy(folder, {change.sql})) {
            ++counts.refusedBySchema;
            continue;
        }
        for (qsizetype s = 0; s < m_seeds.size(); ++s) {
            Globals::Set_App_Folder_For_Tests(folder.path());
            const SeedRun changed = run(m_seeds.at(s));
            ++counts.cases;
            const QString kind = changed.thrown.isEmpty()
                ? messageKind(changed.opening.value(0, changed.reopening.value(0, QStringLiteral("in silence"))))
                : QStringLiteral("threw");
            if (const QString why = verdict(change, s, changed); !why.isEmpty()) {
                ++counts.failed[kind];
                failures << QStringLiteral("%1 | %2: %3").arg(change.sql, QFileInfo(m_seeds.at(s)).fileName(), why);
            } else if (!changed.opening.isEmpty()) {
                ++counts.told[kind];
            } else if (changed.saved == m_intact.at(s).saved) {
                ++counts.identical;
            } else {
                ++counts.notes;
            }
        }
    }
    allShards().add(counts);
    std::cout << "[ shard " << GetParam() << " ] " << counts.text() << "\n  in " << clock.elapsed() << " ms"
              << std::endl;
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shards, CatalogueChangesTest, ::testing::Range(0, kShards));

} // namespace
