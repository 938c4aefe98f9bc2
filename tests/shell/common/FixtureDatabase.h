#pragma once

#include <QStringList>
#include <QTemporaryDir>

// A small product database "System Databases97.mdb" in a temporary folder,
// built from the given statements, for cases the sample catalogue lacks.
class FixtureDatabase {
public:
    explicit FixtureDatabase(const QStringList& statements);

    // Runs more statements on it (tables or rows a test adds).
    void exec(const QStringList& statements);

    QString folder() const { return m_dir.path(); }
    QString path() const;

private:
    QTemporaryDir m_dir;
};
