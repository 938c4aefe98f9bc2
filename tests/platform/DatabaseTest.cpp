#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "support/QStringPrinter.h"
#include "support/SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>

#include <gtest/gtest.h>

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("fixture.db");
        ASSERT_EQ(SqliteFile::run(path, {"CREATE TABLE [Drive to Motor] ([Drive Name] TEXT COLLATE NOCASE, "
                                          "[Motor Series] TEXT COLLATE NOCASE, Notes TEXT, Frame INTEGER, Active INTEGER)",
                                          "INSERT INTO [Drive to Motor] VALUES ('QX-205', 'O''Neil', 'quoted', 4, 1)",
                                          "INSERT INTO [Drive to Motor] VALUES ('QX-205', 'KX', NULL, 16, 0)",
                                          "INSERT INTO [Drive to Motor] VALUES ('QX-410', 'KX', '', NULL, NULL)"}),
                  QString());
    }

    QTemporaryDir dir;
    QString path;
};

} // namespace

TEST_F(DatabaseTest, BoundValueWithQuoteMatchesItsRow)
{
    Database db = Database::open(path);
    Recordset rs = db.OpenRecordset(
        "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].Notes FROM [Drive to Motor] "
        "WHERE ((([Drive to Motor].[Motor Series])=?))",
        {QStringLiteral("O'Neil")});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("drive name"), "QX-205"); // field names in other case
    EXPECT_EQ(rs.text("NOTES"), "quoted");
}

TEST_F(DatabaseTest, NoCaseColumnsCompareWithoutRegardToCase)
{
    Database db = Database::open(path);
    Recordset rs = db.OpenRecordset("SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [Drive Name]=? "
                                    "ORDER BY [Drive Name]",
                                    {QStringLiteral("qx-205")});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Drive Name"), "QX-205");
}

TEST_F(DatabaseTest, NullReadsEmptyFalseZeroButStaysDistinguishable)
{
    Database db = Database::open(path);
    Recordset rs = db.OpenRecordset("SELECT Notes, Frame, Active FROM [Drive to Motor] ORDER BY rowid");
    rs.moveNext();
    EXPECT_TRUE(rs.isNull("Notes"));
    EXPECT_EQ(rs.text("Notes"), "");
    EXPECT_EQ(rs.text("Frame"), "16"); // whole numbers show without a decimal part
    EXPECT_FALSE(rs.boolean("Active"));
    rs.moveNext();
    EXPECT_FALSE(rs.isNull("Notes"));
    EXPECT_EQ(rs.text("Notes"), "");
    EXPECT_TRUE(rs.isNull("Frame"));
    EXPECT_EQ(rs.integer("Frame"), 0);
    EXPECT_FALSE(rs.boolean("Active"));
    rs.moveFirst();
    EXPECT_TRUE(rs.boolean("Active"));
    EXPECT_EQ(rs.number("Frame"), 4.0);
}

TEST_F(DatabaseTest, NavigationAtBothEnds)
{
    Database db = Database::open(path);
    Recordset rs = db.OpenRecordset("SELECT Frame FROM [Drive to Motor] ORDER BY rowid");
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 3);
    rs.moveLast();
    EXPECT_TRUE(rs.isNull("Frame"));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.moveNext(), DatabaseError);
    EXPECT_THROW(rs.text("Frame"), DatabaseError); // no current record
    rs.movePrevious();
    rs.movePrevious();
    EXPECT_EQ(rs.integer("Frame"), 16);
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_THROW(rs.text("Frame"), DatabaseError);

    Recordset none = db.OpenRecordset("SELECT Frame FROM [Drive to Motor] WHERE Frame=?", {99});
    EXPECT_TRUE(none.eof());
    EXPECT_TRUE(none.bof());
    EXPECT_EQ(none.recordCount(), 0);
    EXPECT_THROW(none.text("Frame"), DatabaseError);
    EXPECT_THROW(rs.text("NoSuchField"), DatabaseError);
}

TEST_F(DatabaseTest, MissingFileFailsAndCreatesNothing)
{
    const QString missing = dir.filePath("missing.mdb");
    EXPECT_THROW(Database::open(missing), DatabaseError);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_THROW(Database::open(dir.path()), DatabaseError); // a folder is no database

    const QString junk = dir.filePath("junk.mdb");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a database at all, just some text to fill the header");
    f.close();
    EXPECT_THROW(Database::open(junk), DatabaseError);
}

TEST_F(DatabaseTest, OpenedReadOnlyAndStatementErrorsRaise)
{
    Database db = Database::open(path);
    EXPECT_THROW(db.OpenRecordset("DELETE FROM [Drive to Motor]"), DatabaseError);
    EXPECT_EQ(db.OpenRecordset("SELECT * FROM [Drive to Motor]").recordCount(), 3);
    EXPECT_THROW(db.OpenRecordset("SELECT * FROM [No Such Table]"), DatabaseError);
    Database copy = db;
    db.Close();
    EXPECT_FALSE(db.isOpen());
    EXPECT_THROW(db.OpenRecordset("SELECT 1"), DatabaseError);
    EXPECT_EQ(copy.OpenRecordset("SELECT * FROM [Drive to Motor]").recordCount(), 3);
}

namespace {

// The program keeps its databases in globals that outlive main and may end
// with the application object still alive; either way they close cleanly.
void keepUntilExit(const QString& path)
{
    using Kept = std::map<int, Database>;
    static Kept kept;   // older than the SQL module's own state
    for (int i = 0; i < 4; ++i)
        kept.emplace(i, Database::open(path));
    std::exit(0);
}

} // namespace

TEST(DatabaseLifetime, DatabasesHeldUntilExitCloseCleanly)
{
    // A fresh process, so that nothing has touched the SQL module before.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.mdb");   // an empty file is an empty database
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EXIT(keepUntilExit(path), ::testing::ExitedWithCode(0), "");
}

TEST_F(DatabaseTest, FailingStatementNamesWhatIsMissingNeverTheText)
{
    Database db = Database::open(path);
    const struct {
        const char* sql;
        const char* message;
    } cases[] = {
        {"SELECT * FROM [No Such Table] WHERE x=?", "The database fixture.db has no table \"No Such Table\"."},
        {"SELECT [Drive to Motor].Nope FROM [Drive to Motor]",
         "The database fixture.db has no column \"Drive to Motor.Nope\"."},
        {"SELECT FROM WHERE", "The database fixture.db cannot be read."},
    };
    for (const auto& c : cases) {
        for (int attempt = 0; attempt < 2; ++attempt) { // a failed statement is not kept half-prepared
            try {
                db.OpenRecordset(QString::fromLatin1(c.sql), {1});
                ADD_FAILURE() << c.sql;
            } catch (const DatabaseError& e) {
                EXPECT_STREQ(e.what(), c.message);
            }
        }
    }
}

TEST_F(DatabaseTest, ReusedStatementTakesEachCallsValues)
{
    Database db = Database::open(path);
    const QString sql = "SELECT [Drive Name] FROM [Drive to Motor] WHERE [Motor Series]=? ORDER BY rowid";
    const struct {
        QString series;
        QStringList drives;
    } cases[] = {{"KX", {"QX-205", "QX-410"}}, {"O'Neil", {"QX-205"}}, {"none", {}}, {"kx", {"QX-205", "QX-410"}}};
    for (const auto& c : cases) {
        QStringList drives;
        for (Recordset rs = db.OpenRecordset(sql, {c.series}); !rs.eof(); rs.moveNext())
            drives << rs.text("Drive Name");
        EXPECT_EQ(drives, c.drives) << c.series.toStdString();
    }
}

TEST_F(DatabaseTest, UnchangedFileSharesItsConnectionReplacedFileIsReadAfresh)
{
    Database first = Database::open(path);
    Database again = Database::open(path);
    EXPECT_FALSE(first.fileChanged());
    first.Close();
    EXPECT_EQ(again.OpenRecordset("SELECT * FROM [Drive to Motor]").recordCount(), 3);

    const QString staged = dir.filePath("staged.db");
    ASSERT_EQ(SqliteFile::run(staged, {"CREATE TABLE [Drive to Motor] ([Drive Name] TEXT)",
                                       "INSERT INTO [Drive to Motor] VALUES ('NEW-1')"}),
              QString());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(staged, path));
    EXPECT_TRUE(again.fileChanged());
    Recordset rs = Database::open(path).OpenRecordset("SELECT [Drive Name] FROM [Drive to Motor]");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Drive Name"), "NEW-1");
}
