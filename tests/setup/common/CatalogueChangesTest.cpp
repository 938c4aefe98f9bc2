// The catalogues a maker may ship next, each against every seed project, from
// each base catalogue (the sample, and the maker's catalogue of what the sample
// lacks): every table emptied, doubled and in lower case, every
// column the program reads Null and empty, every options value and every
// product's options withdrawn, every part number, accessory and code renamed,
// a second row for a key, and pairs of these. Opened through File > Open with
// the options dialogs it shows closed by Done, exported, saved with Save As
// and opened again, each case keeps what ChangedCatalogueOpening says an
// opening on a changed catalogue must keep. Each failing case is one line:
// the base, the change, the seed, what went wrong; QUENRO_CATALOGUE_CHANGE
// set to a part of a change's statements runs only such changes.

#include "support/AppFixture.h"
#include "support/CatalogueChange.h"
#include "support/ChangedCatalogueOpening.h"
#include "support/ProjectOpening.h"
#include "support/SqliteFile.h"

#include "shell/Globals.h"
#include "shell/mdiMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <array>
#include <iostream>

namespace {

const QString kCatalogue = QStringLiteral("System Databases97.mdb");
constexpr int kShards = 64;

// A catalogue the changes start from, written into a folder; the text of a failure, or empty.
struct Base {
    const char* name;
    QString (*write)(const QString& folder);
};

const Base kBases[] = {
    {"sample", [](const QString& folder) {
         return SqliteFile::copySample(kCatalogue, folder) ? QString() : QStringLiteral("not copied");
     }},
    {"maker's", [](const QString& folder) { return SqliteFile::writeMakerCatalogue(folder); }},
};
constexpr int kBaseCount = std::size(kBases);

// The program syncs every file it writes to the disk: thousands of cases would
// wait on it far longer than they run, so they keep their files in memory
// where the system has a memory file system.
QString scratchFolder()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return (memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath())
        + QStringLiteral("/quenro-catalogue-XXXXXX");
}

struct Counts {
    int cases = 0;
    int refusedBySchema = 0;
    std::array<int, 4> outcomes {};
    QMap<QString, int> byMessage;
    QMap<QString, int> failed;
    QMap<QString, int> changes;

    void add(const Counts& o)
    {
        cases += o.cases;
        refusedBySchema += o.refusedBySchema;
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            outcomes[i] += o.outcomes[i];
        for (const auto& [mine, theirs] :
             {std::pair {&byMessage, &o.byMessage}, std::pair {&failed, &o.failed}, std::pair {&changes, &o.changes}})
            for (auto it = theirs->cbegin(); it != theirs->cend(); ++it)
                (*mine)[it.key()] += it.value();
    }

    std::string text() const
    {
        int failures = 0;
        QString lines;
        for (const auto& [map, what] : {std::pair {&changes, "changes"}, std::pair {&byMessage, "told"},
                                        std::pair {&failed, "failed"}})
            for (auto it = map->cbegin(); it != map->cend(); ++it) {
                lines += QStringLiteral("\n  %1 %2: %3").arg(QLatin1String(what)).arg(it.value()).arg(it.key());
                failures += map == &failed ? it.value() : 0;
            }
        using O = ChangedCatalogueOpening;
        return QStringLiteral("%1 cases: %2 opened identical, %3 opened quietly otherwise (case, cable part "
                              "numbers), %4 told, %5 refused, %6 failed (%7 changes the schema refuses)%8")
            .arg(cases)
            .arg(outcomes[O::Identical])
            .arg(outcomes[O::Quiet])
            .arg(outcomes[O::Told])
            .arg(outcomes[O::Refused])
            .arg(failures)
            .arg(refusedBySchema)
            .arg(lines)
            .toStdString();
    }
};

// Every shard run in this process, by base, printed at its end.
std::array<Counts, kBaseCount>& allShards()
{
    static std::array<Counts, kBaseCount> counts;
    return counts;
}

class Totals : public ::testing::Environment {
public:
    void TearDown() override
    {
        for (int b = 0; b < kBaseCount; ++b)
            if (allShards()[b].cases)
                std::cout << "[ totals   ] " << kBases[b].name << ": " << allShards()[b].text() << std::endl;
    }
};

[[maybe_unused]] ::testing::Environment* const kTotals = ::testing::AddGlobalTestEnvironment(new Totals);

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
    QStringList m_seeds = seeds();
    QTemporaryDir m_dir {scratchFolder()};
};

TEST_P(CatalogueChangesTest, EverySeedOpensAsBeforeOrIsTold)
{
    QElapsedTimer clock;
    clock.start();
    ASSERT_FALSE(m_seeds.isEmpty());
    // Thousands of openings: the windows are not painted, which is all that skips.
    mainWindow().setUpdatesEnabled(false);
    ProjectOpening opening(mainWindow(), *files, *msg, m_dir.path());
    const auto runOn = [&](const QString& folder, const QString& seed) {
        Globals::Set_App_Folder_For_Tests(folder);
        return opening.run(seed);
    };

    struct Intact {
        QTemporaryDir folder {scratchFolder()};
        QList<ProjectOpening::Run> runs;
        // A seed that does not open on the base as on the sample is no base to hold changes against.
        QList<bool> usable;
        QList<CatalogueChange> changes;
    };
    std::array<Intact, kBaseCount> bases;
    for (int b = 0; b < kBaseCount; ++b) {
        Intact& base = bases[b];
        ASSERT_EQ(kBases[b].write(base.folder.path()), QString()) << kBases[b].name;
        // Each seed opens in silence as it was written, billing what the catalogue offers, on every base.
        QStringList held;
        for (const QString& seed : m_seeds) {
            base.runs << runOn(base.folder.path(), seed);
            const ProjectOpening::Run& run = base.runs.last();
            const bool usable = run.thrown.isEmpty() && run.first.opened && run.first.messages.isEmpty()
                && run.first.saved == run.file && run.first.unoffered.isEmpty()
                && run.first.billText == bases[0].runs.at(base.runs.size() - 1).first.billText;
            base.usable << usable;
            // One shard tells it, the others leave the seed out.
            if (!usable && GetParam() == 0)
                ADD_FAILURE() << kBases[b].name << " " << seed.toStdString() << " does not open as on the sample: "
                              << run.thrown.toStdString() << run.first.messages.join(" | ").toStdString()
                              << run.first.unoffered.join(" | ").toStdString();
            held << QString::fromLatin1(run.file).split(QLatin1Char('\r')) << run.first.bill;
        }
        base.changes = CatalogueChange::all(base.folder.filePath(kCatalogue), held);
    }

    // QUENRO_CATALOGUE_CHANGE: only the changes whose statements hold this text, all in shard 0.
    const QString only = qEnvironmentVariable("QUENRO_CATALOGUE_CHANGE");
    std::array<Counts, kBaseCount> counts;
    QStringList failures;
    int index = 0;
    for (int b = 0; b < kBaseCount; ++b) {
        const QString basePath = bases[b].folder.filePath(kCatalogue);
        for (const CatalogueChange& change : bases[b].changes) {
            if (only.isEmpty() ? index++ % kShards != GetParam() : GetParam() != 0 || !change.text().contains(only))
                continue;
            ++counts[b].changes[CatalogueChange::kindName(change.kind)];
            QTemporaryDir folder(scratchFolder());
            const QString path = folder.filePath(kCatalogue);
            if (!QFile::copy(basePath, path) || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)
                || !SqliteFile::run(path, change.statements).isEmpty()) {
                ++counts[b].refusedBySchema;
                continue;
            }
            for (qsizetype s = 0; s < m_seeds.size(); ++s) {
                if (!bases[b].usable.at(s))
                    continue;
                const ProjectOpening::Run run = runOn(folder.path(), m_seeds.at(s));
                const ChangedCatalogueOpening::Verdict verdict =
                    ChangedCatalogueOpening::judge(change, path, bases[b].runs.at(s), run);
                ++counts[b].cases;
                ++counts[b].outcomes[verdict.outcome];
                if (!verdict.faults.isEmpty()) {
                    ++counts[b].failed[verdict.messageKind];
                    const auto shown = [](const QStringList& messages) {
                        return messages.join(QLatin1String(" | ")).replace(QLatin1String("\r\n"), QLatin1String(" / "));
                    };
                    failures << QStringLiteral("%1 | %2 | %3: %4\n    told: %5\n    told again: %6")
                                    .arg(QLatin1String(kBases[b].name), change.text(),
                                         QFileInfo(m_seeds.at(s)).fileName(), verdict.faults.join(QLatin1String("; ")),
                                         shown(run.first.messages), shown(run.again.messages));
                } else if (verdict.outcome == ChangedCatalogueOpening::Told
                           || verdict.outcome == ChangedCatalogueOpening::Refused) {
                    ++counts[b].byMessage[verdict.messageKind];
                }
            }
        }
    }
    for (int b = 0; b < kBaseCount; ++b) {
        allShards()[b].add(counts[b]);
        std::cout << "[ shard " << GetParam() << " ] " << kBases[b].name << ": " << counts[b].text() << std::endl;
    }
    std::cout << "  in " << clock.elapsed() << " ms" << std::endl;
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shards, CatalogueChangesTest, ::testing::Range(0, kShards));

} // namespace
