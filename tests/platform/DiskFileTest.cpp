#include "platform/DiskFile.h"

#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// A full disk and the files Open refuses are tested through the main window;
// here the targets a save must not replace, links and the read limit.
namespace {

class DiskFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList listing() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytesOf(const QString& name) const
    {
        QFile file(path(name));
        if (!QFileInfo(file).isFile())
            return "<no file>";
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    // The reason a write gives, or "" when it succeeded.
    static QString writeFailure(const QString& target, const QByteArray& bytes)
    {
        try {
            DiskFile::write(target, bytes);
        } catch (const std::exception& e) {
            return QString::fromUtf8(e.what());
        }
        return {};
    }

    // Writes the target in a child process that sees the folder mounted
    // read-only: 0 when the write fails for that reason, 1 when not, 2 where
    // no such child can be made.
    int writeOnReadOnlyMount(const QString& target) const
    {
        const pid_t child = ::fork();
        if (child == 0) {
            const QByteArray folder = QFile::encodeName(dir.path());
            const bool mounted =
                (::unshare(CLONE_NEWNS) == 0 || ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0)
                && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                && ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0
                && ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
            ::_exit(!mounted ? 2 : writeFailure(target, "4\rnew\r") == "Read-only file system." ? 0 : 1);
        }
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 2;
    }

    QTemporaryDir dir;
};

TEST_F(DiskFileTest, TargetsASaveMustNotReplaceStayAsTheyWere)
{
    struct Case {
        const char* target;
        std::function<void()> prepare;
        const char* reason;
    };
    const Case cases[] = {
        {"readonly.dat",
         [&] {
             put("readonly.dat", "4\rold\r");
             QFile::setPermissions(path("readonly.dat"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
         },
         "The file is read-only."},
        {"folder.dat", [&] { QDir(dir.path()).mkdir("folder.dat"); }, "It is not a regular file."},
        {"fifo.dat", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.dat")).constData(), 0644), 0); },
         "It is not a regular file."},
        {"no folder/new.dat", [] {}, "No such file or directory."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        c.prepare();
        const QStringList before = listing();
        const QByteArray bytesBefore = bytesOf(c.target);
        EXPECT_EQ(writeFailure(path(c.target), "4\rnew\r"), c.reason);
        EXPECT_EQ(listing(), before);
        EXPECT_EQ(bytesOf(c.target), bytesBefore);
    }
}

TEST_F(DiskFileTest, AReadOnlyFileSystemIsTheReasonGiven)
{
    put("old.dat", "4\rold\r");
    for (const char* target : {"old.dat", "new.dat"}) {
        const int result = writeOnReadOnlyMount(path(target));
        if (result == 2)
            GTEST_SKIP() << "No mount namespace can be made here.";
        EXPECT_EQ(result, 0) << target << " fails for another reason";
    }
    EXPECT_EQ(bytesOf("old.dat"), "4\rold\r");
    EXPECT_EQ(listing(), QStringList {"old.dat"});
}

TEST_F(DiskFileTest, WritingFollowsALinkAndGivesANewFileTheUsualPermissions)
{
    put("target.dat", "old");
    ASSERT_TRUE(QFile::link(path("target.dat"), path("link.dat")));
    EXPECT_EQ(writeFailure(path("link.dat"), "new"), "");
    EXPECT_EQ(bytesOf("target.dat"), "new");
    EXPECT_EQ(QFileInfo(path("link.dat")).symLinkTarget(), path("target.dat"));
    EXPECT_EQ(listing(), QStringList({"link.dat", "target.dat"}));

    EXPECT_EQ(writeFailure(path("new.dat"), ""), "");
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path("new.dat")).constData(), &status), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

TEST_F(DiskFileTest, ReadTakesUpToTheLimitAndTellsAMissingFileFromARefusedOne)
{
    constexpr qint64 limit = 1024;
    put("limit.dat", QByteArray(limit, 'a'));
    put("over.dat", QByteArray(limit + 1, 'a'));
    EXPECT_EQ(DiskFile::read(path("limit.dat"), limit), QByteArray(limit, 'a'));
    EXPECT_THROW(DiskFile::read(path("over.dat"), limit), DiskFile::Refused);
    try {
        DiskFile::read(path("missing.dat"), limit);
        ADD_FAILURE() << "a missing file was read";
    } catch (const DiskFile::Refused&) {
        ADD_FAILURE() << "a missing file counts as no file to read";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "No such file or directory.");
    }
}

} // namespace
