#pragma once

#include <QString>

#include <ostream>

// Readable texts in failure messages: gtest prints a QString as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
