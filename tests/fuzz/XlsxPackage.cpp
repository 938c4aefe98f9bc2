#include "XlsxPackage.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <zlib.h>

#include <cstdint>

namespace {

uint32_t le(const QByteArray& b, qsizetype at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

bool inflateRaw(const QByteArray& in, uLong size, QByteArray& out)
{
    out.resize(static_cast<qsizetype>(size));
    z_stream z {};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(size);
    const int result = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return result == Z_STREAM_END && z.total_out == size;
}

std::string xmlProblem(const QByteArray& xml)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(xml);
    if (utf8.hasError())
        return "not UTF-8";
    QXmlStreamReader reader(text);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString().toStdString() : std::string();
}

} // namespace

std::string xlsxProblem(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return "cannot be opened";
    const QByteArray zip = file.readAll();
    // The end-of-central-directory record: 22 bytes plus a comment of at most 64 KiB.
    qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return "no zip directory";
    const uint32_t entries = le(zip, end + 10, 2);
    qsizetype at = le(zip, end + 16, 4);
    bool workbook = false;
    for (uint32_t n = 0; n < entries; ++n) {
        if (at + 46 > zip.size() || le(zip, at, 4) != 0x02014b50)
            return "broken zip directory";
        const uint32_t method = le(zip, at + 10, 2);
        const uint32_t crc = le(zip, at + 16, 4);
        const uint32_t packed = le(zip, at + 20, 4);
        const uint32_t size = le(zip, at + 24, 4);
        const uint32_t nameLength = le(zip, at + 28, 2);
        const uint32_t extra = le(zip, at + 30, 2);
        const uint32_t comment = le(zip, at + 32, 2);
        const qsizetype local = le(zip, at + 42, 4);
        const QByteArray name = zip.mid(at + 46, nameLength);
        at += 46 + nameLength + extra + comment;
        if (local + 30 > zip.size() || le(zip, local, 4) != 0x04034b50)
            return "broken local header of " + name.toStdString();
        const qsizetype dataAt = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
        if (dataAt + packed > zip.size())
            return "truncated part " + name.toStdString();
        const QByteArray stored = zip.mid(dataAt, packed);
        QByteArray data;
        if (method == 0)
            data = stored;
        else if (method != 8 || !inflateRaw(stored, size, data))
            return "part does not inflate: " + name.toStdString();
        if (crc32(0, reinterpret_cast<const Bytef*>(data.constData()), static_cast<uInt>(data.size())) != crc)
            return "checksum of " + name.toStdString();
        if (name.endsWith(".xml") || name.endsWith(".rels")) {
            const std::string problem = xmlProblem(data);
            if (!problem.empty())
                return name.toStdString() + ": " + problem;
        }
        workbook = workbook || name == "xl/workbook.xml";
    }
    return workbook ? std::string() : "no workbook part";
}
