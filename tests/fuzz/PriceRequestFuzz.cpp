// The price request built from a bill of material: whatever the part numbers
// hold, the request is well-formed XML with one line per part, and a part of
// plain printable text reads back exactly as it was sent.
// Input: one bill-of-material line per text line, "quantity<TAB>part number".

#include "FuzzInput.h"
#include "FuzzTarget.h"
#include "QtFuzzApp.h"

#include "shell/Globals.h"
#include "shell/PriceRequest.h"

#include <QDomDocument>

namespace {

// Text an XML reader hands back unchanged: no control characters, no
// surrogates or non-characters, and not only blanks at its ends.
bool plainText(const QString& text)
{
    if (text.trimmed() != text)
        return false;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.isSurrogate() || c.isNonCharacter() || c.unicode() == 0xFFFD)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQtFuzzApp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Globals::Reset_All_State();
    FuzzInput input(data, size);
    QStringList parts;
    QList<int> quantities;
    while (input.more() && parts.size() < 200) {
        const std::string line = input.line();
        const size_t tab = line.find('\t');
        quantities << (tab == std::string::npos ? 1 : std::atoi(line.substr(0, tab).c_str()));
        parts << QString::fromStdString(tab == std::string::npos ? line : line.substr(tab + 1));
    }
    Globals::BOM_Count = static_cast<int>(parts.size());
    Globals::BOM_Quantity.resize(parts.size() + 1);
    Globals::BOM_Part_Number.resize(parts.size() + 1);
    for (int i = 0; i < parts.size(); ++i) {
        Globals::BOM_Quantity[i + 1] = quantities[i];
        Globals::BOM_Part_Number[i + 1] = parts[i];
    }

    const QString xml = Globals::Price_Availability_Request(1, Globals::BOM_Count);
    QDomDocument request;
    FUZZ_CHECK(request.setContent(xml), "the request is well-formed XML");
    const QDomNodeList models = request.elementsByTagName(QStringLiteral("Model"));
    const QDomNodeList counts = request.elementsByTagName(QStringLiteral("RequestedQuantity"));
    FUZZ_CHECK(models.count() == parts.size() && counts.count() == parts.size(), "one request line per part");
    for (int i = 0; i < parts.size(); ++i) {
        if (plainText(parts[i]))
            FUZZ_CHECK(models.at(i).toElement().text() == parts[i], "a plain part number is sent as it is");
        FUZZ_CHECK(counts.at(i).toElement().text() == QString::number(quantities[i]), "the quantity is sent");
    }
    Globals::Reset_All_State();
    return 0;
}
