#pragma once

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"

#include <QString>
#include <QTemporaryDir>

class mdiMain;

// The guard every setup kind runs over its configurations: the configured
// setup form of the current kind is saved with the main window's Save As and
// the file is opened again with its Open; the reopened project must give the
// same project text and, through Export Data, the same report byte for byte,
// with no message shown; the report bills only what the catalogue offers for
// each axis (OfferedBill).
//
// A walk over many configurations is split into shards that run as tests of
// their own (in parallel): the walk asks takesBranch() at one level of its
// cascade, and walks only the branches of its shard.
class ProjectRoundTrip {
public:
    ProjectRoundTrip(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, int shard = 0, int shards = 1);

    // Whether the next branch of the walk belongs to this shard.
    bool takesBranch();

    // What the reopening changed, empty when nothing did. Messages shown are
    // taken off the seam.
    QString differences();
    int checked() const { return m_checked; }

    // The first line on which two texts split at sep differ, as "line n: a became b"; empty when none does.
    static QString firstDifference(const QString& a, const QString& b, const QString& sep);

private:
    QByteArray exportReport();

    mdiMain& m_main;
    FileDialog::Seam& m_files;
    MsgBox::Seam& m_msg;
    QTemporaryDir m_dir;
    int m_checked = 0;
    int m_shard;
    int m_shards;
    int m_branches = 0;
};
