// The service's answer as the program receives it: the real request goes to a
// local HTTP server that answers with the input. The request either builds
// the table (one line per bill-of-material line) or fails with a text for the
// user; nothing else may happen.

#include "FuzzTarget.h"
#include "QtFuzzApp.h"

#include "windows/HttpTestServer.h"

#include "platform/MsgBox.h"
#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/PriceRequest.h"

#include <stdexcept>

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
    try {
        FUZZ_CHECK(Globals::Request_Price_Availability(), "nobody cancelled the request");
        FUZZ_CHECK(Globals::Price_Table_Text.count(QStringLiteral("\r\n")) == Globals::BOM_Count,
                   "one table line per bill-of-material line");
    } catch (const std::runtime_error& e) {
        FUZZ_CHECK(*e.what() != '\0', "a failed request says why");
    }
    Forms::unloadAll();
    settleQtEvents();
    Globals::Reset_All_State();
    return 0;
}
