#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of the files the program shares with its Windows
// predecessor. All 256 byte values round-trip; the five bytes the code page
// leaves undefined map to the control characters of the same number.
class Win1252 {
public:
    static QString decode(const QByteArray& bytes);
    // A character the code page lacks is written as "?".
    static QByteArray encode(const QString& text);
};
