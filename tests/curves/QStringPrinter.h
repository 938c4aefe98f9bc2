#pragma once

#include <QString>

#include <ostream>

// Readable texts in failure messages. Every test file of the binary that
// compares texts includes this, so all of them print the same way.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
