#pragma once

#include <QString>

#include <stdexcept>

// A database that cannot be opened, a statement that fails, or a field read
// where there is no current row. A fault of the file itself, named for the
// user, is the DatabaseFault below it.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};
