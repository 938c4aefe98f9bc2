// Windows-1252 text and the whole-file helpers: every byte string decodes and
// encodes back to itself, and Write_File / Read_File keep it byte for byte.

#include "FuzzTarget.h"
#include "QtFuzzApp.h"

#include "platform/MsgBox.h"
#include "platform/Win1252.h"
#include "shell/Globals.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQtFuzzApp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = Win1252::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size(), "one character per byte");
    FUZZ_CHECK(Win1252::encode(text) == bytes, "decode then encode gives the bytes back");

    MsgBox::Seam msg;
    const QString path = folder.filePath(QStringLiteral("file.txt"));
    FUZZ_CHECK(Globals::Write_File(path, text, true), "the text is written");
    FUZZ_CHECK(fileBytes(path) == bytes, "Write_File writes exactly the bytes");
    FUZZ_CHECK(Globals::Read_File(path) == text, "Read_File reads the same text back");
    FUZZ_CHECK(Globals::Write_File(path, text, false), "the text is written with a line break");
    FUZZ_CHECK(fileBytes(path) == bytes + "\r\n", "without noLineBreak only CR LF is added");
    FUZZ_CHECK(msg.messages().isEmpty(), "a good write shows no message");
    return 0;
}
