#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "platform/Pictures.h"
#include "platform/ShellOpen.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

TEST(Seams, MessageBoxAnswersFromTheQueueAndRecords)
{
    MsgBox::Seam seam;
    seam.queue(MsgBox::No);
    EXPECT_EQ(MsgBox::show("Reset?", MsgBox::YesNo, "Brevan Quenro", MsgBox::Question), MsgBox::No);
    EXPECT_EQ(MsgBox::show("Done", MsgBox::OKOnly, "Login"), MsgBox::OK);
    ASSERT_EQ(seam.messages().size(), 2);
    EXPECT_EQ(seam.messages()[0].prompt, "Reset?");
    EXPECT_EQ(seam.messages()[0].buttons, MsgBox::YesNo);
    EXPECT_EQ(seam.messages()[0].title, "Brevan Quenro");
    EXPECT_EQ(seam.messages()[1].title, "Login");
    {
        MsgBox::Seam inner;
        MsgBox::show("inner", MsgBox::OKOnly, "t");
        EXPECT_EQ(inner.messages().size(), 1);
    }
    MsgBox::show("outer again", MsgBox::OKOnly, "t");
    EXPECT_EQ(seam.messages().size(), 3);
}

TEST(Seams, FileDialogHandsOutPathsAndCancels)
{
    FileDialog::Seam seam;
    seam.queuePath("/tmp/a.dat");
    seam.queueCancel();
    FileDialog::Settings s;
    s.filter = "All Files (*.*)|*.*|Dat Files (*.Dat)|*.dat";
    s.filterIndex = 2;
    EXPECT_EQ(FileDialog::show(nullptr, FileDialog::Save, s), std::optional<QString>("/tmp/a.dat"));
    EXPECT_FALSE(FileDialog::show(nullptr, FileDialog::Open, s).has_value());
    EXPECT_FALSE(FileDialog::show(nullptr, FileDialog::Open, s).has_value()); // nothing queued: cancel
    ASSERT_EQ(seam.calls().size(), 3);
    EXPECT_EQ(seam.calls()[0].mode, FileDialog::Save);
    EXPECT_EQ(seam.calls()[1].settings.filterIndex, 2);
}

// The first dialog starts in the documents folder, else at home; each later one
// where the last chosen path lies, while that folder is there.
TEST(Seams, FileDialogStartsWhereTheLastPathWas)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfig);
    });
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");

    FileDialog::Seam seam;
    struct Step {
        const char* made;     // folder created first
        const char* answer;   // chosen path, or a cancel
        const char* startsIn; // below home
    };
    for (const Step& step : {Step{"", nullptr, ""}, // no documents folder
                             Step{"Documents", "work/a.dat", "Documents"},
                             Step{"work", nullptr, "work"},
                             Step{"", "gone/b.dat", "work"}, // a cancel forgot nothing
                             Step{"", nullptr, "Documents"}}) { // the last folder is no more
        QDir(home.path()).mkpath(QString::fromLatin1(step.made));
        step.answer ? seam.queuePath(home.filePath(QString::fromLatin1(step.answer))) : seam.queueCancel();
        FileDialog::show(nullptr, FileDialog::Save, {});
        EXPECT_EQ(seam.calls().last().startFolder, QDir::cleanPath(home.filePath(QString::fromLatin1(step.startsIn))))
            << step.startsIn;
    }
}

TEST(Seams, FilterTextBecomesQtFiltersMatchingAnyCase)
{
    EXPECT_EQ(FileDialog::qtFilters("All Files (*.*)|*.*|Dat Files (*.Dat)|*.dat"),
              (QStringList{"All Files (*.*)", "Dat Files (*.dat *.DAT)"}));
    EXPECT_EQ(FileDialog::qtFilters("Text Files|*.txt;*.csv"),
              (QStringList{"Text Files (*.txt *.TXT *.csv *.CSV)"}));
}

namespace {

// The answer once the opener has given it; none while it still runs.
std::optional<bool> openedAfterEvents(const QString& path)
{
    std::optional<bool> answer;
    QEventLoop loop;
    ShellOpen::open(path, [&](bool opened) {
        EXPECT_FALSE(answer.has_value()) << "answered twice";
        answer = opened;
        loop.quit();
    });
    if (!answer) {
        QTimer::singleShot(60000, &loop, &QEventLoop::quit); // a hung opener fails the test, not the run
        loop.exec();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return answer;
}

} // namespace

TEST(Seams, ShellOpenRecordsAndAnswersAsTheOpenerWould)
{
    ShellOpen::Seam seam;
    for (const auto& [opener, opened] : {std::pair{ShellOpen::Seam::Opens, true}, {ShellOpen::Seam::Missing, false},
                                         {ShellOpen::Seam::Fails, false}}) {
        seam.setOpener(opener);
        EXPECT_EQ(openedAfterEvents("/tmp/report.txt"), opened) << opener;
    }
    EXPECT_EQ(seam.opened(), QStringList(3, "/tmp/report.txt"));
}

// The desktop's opener is asked for real: its exit status is the answer; without one, no.
TEST(Seams, ShellOpenTakesTheOpenersExitStatus)
{
    QTemporaryDir bin;
    const QByteArray savedPath = qgetenv("PATH");
    const auto restore = qScopeGuard([&] { qputenv("PATH", savedPath); });
    qputenv("PATH", QFile::encodeName(bin.path()));
    const QString file = bin.filePath("report.txt");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    for (const auto& [script, opened] : {std::pair<const char*, bool>{nullptr, false},
                                         {"#!/bin/sh\ntest -f \"$1\"\n", true}, // handed the written file
                                         {"#!/bin/sh\nexit 3\n", false}, // no program set up for the file
                                         {"#!/bin/sh\nkill -9 $$\n", false}}) {
        if (script) {
            QFile opener(bin.filePath("xdg-open"));
            ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
            opener.write(script);
            opener.close();
            opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        EXPECT_EQ(openedAfterEvents(file), opened) << (script ? script : "no opener");
    }
}

TEST(Seams, UnknownPictureHidesTheBox)
{
    QLabel box;
    box.show();
    EXPECT_TRUE(Pictures::load("No Such Product").isNull());
    Pictures::showIn(&box, "No Such Product");
    EXPECT_TRUE(box.isHidden());
    Pictures::showIn(&box, "");
    EXPECT_TRUE(box.isHidden());
}

TEST(Seams, TwipsToPixels)
{
    EXPECT_EQ(Twips::toPixels(4485), 299);
    EXPECT_EQ(Twips::toPixels(15), 1);
    EXPECT_EQ(Twips::toPixels(7), 0);
    EXPECT_EQ(Twips::toPixels(8), 1);
    EXPECT_EQ(Twips::size(5895, 2600), QSize(393, 173));
}
