// The service's answer as the program receives it: the real request goes to a
// local HTTP server that answers with the input. The request either builds
// the table (one line per bill-of-material line) or fails with a text for the
// user; nothing else may happen. The answer is read as it streams: wherever a
// whole-document read takes it too, both give the same texts.

#include "FuzzTarget.h"
#include "QtFuzzApp.h"

#include "windows/HttpTestServer.h"

#include "platform/MsgBox.h"
#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/PriceRequest.h"

#include <QDomDocument>

#include <algorithm>
#include <stdexcept>

namespace {

QStringList wholeDocumentTexts(const QDomDocument& document, const QString& name)
{
    QStringList texts;
    const QDomNodeList elements = document.elementsByTagName(name);
    for (int i = 0; i < elements.count(); ++i)
        texts << elements.at(i).toElement().text();
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQtFuzzApp(argc, argv);
    FormCatalog::registerAll();
    Globals::Set_Price_Time_Limit_For_Tests(10000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Globals::Reset_All_State();
    MsgBox::Seam msg;
    HttpTestServer server;
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    server.setResponder([&body](const HttpTestServer::Request&) { return HttpTestServer::Reply {200, "OK", body}; });

    // A drive system whose bill of material has two lines.
    Globals::System_Type = 4;
    AxisRecord& axis = Globals::Axis[0];
    axis.Drive_Name = QStringLiteral("BSD");
    axis.Drive_Part_Number = QStringLiteral("BSD-230-10");
    axis.Motor_Part_Number = QStringLiteral("LM802BR-SC0");
    QString failure;
    try {
        FUZZ_CHECK(Globals::Request_Price_Availability(), "nobody cancelled the request");
        FUZZ_CHECK(Globals::Price_Table_Text.count(QStringLiteral("\r\n")) == Globals::BOM_Count,
                   "one table line per bill-of-material line");
    } catch (const std::runtime_error& e) {
        FUZZ_CHECK(*e.what() != '\0', "a failed request says why");
        failure = QString::fromUtf8(e.what());
    }
    // Only an answer read to its end: a deep one would stall the whole-document read.
    if (failure.isEmpty() || failure.endsWith(QLatin1String("no price table was written."))) {
        QDomDocument document;
        if (document.setContent(body)) {
            const QStringList models = wholeDocumentTexts(document, QStringLiteral("Model"));
            const QStringList dates = wholeDocumentTexts(document, QStringLiteral("PromiseDate"));
            const QStringList units = wholeDocumentTexts(document, QStringLiteral("Unit"));
            const qsizetype placed = std::min<qsizetype>(models.size(), Globals::BOM_Count);
            FUZZ_CHECK(Globals::Response_Count == placed, "an answer line for each Model element up to the lines asked");
            // Each line's own answer at its place, as the catalogue names parts.
            bool eachLineItsOwn = models.size() == Globals::BOM_Count;
            for (int i = 0; eachLineItsOwn && i < models.size(); ++i)
                eachLineItsOwn = models[i].trimmed().compare(Globals::BOM_Part_Number.value(i + 1),
                                                             Qt::CaseInsensitive) == 0;
            if (failure.isEmpty())
                FUZZ_CHECK(Globals::Price_Shortfall().isEmpty() == eachLineItsOwn,
                           "the user is told unless each line got its own answer at its place");
            for (int i = 0; i < placed; ++i) {
                FUZZ_CHECK(Globals::Response_Model.value(i + 1) == models[i],
                           "the Model text of a whole-document read");
                FUZZ_CHECK(Globals::Response_Promise_Date.value(i + 1) == dates.value(i),
                           "the PromiseDate text of a whole-document read");
                FUZZ_CHECK(Globals::Response_Unit.value(i + 1) == units.value(i),
                           "the Unit text of a whole-document read");
            }
        }
    } else if (failure.contains(QLatin1String("not well-formed XML"))) {
        FUZZ_CHECK(!QDomDocument().setContent(body), "an answer refused as malformed is malformed");
    }
    Forms::unloadAll();
    settleQtEvents();
    Globals::Reset_All_State();
    return 0;
}
