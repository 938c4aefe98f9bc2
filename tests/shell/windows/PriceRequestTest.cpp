#include "HttpTestServer.h"
#include "WindowsFixture.h"
#include "common/TestFiles.h"

#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/PriceRequest.h"
#include "shell/frmXMLwaitdialog.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kHead = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>"
    "<PriceAvailabilityRequest version=\"3.0\" type=\"CRM\">"
    "<PriceAvailabilityHeader>"
    "<BrevanLangDialectCode ISOCountryCode=\"US\" ISOLanguageCode=\"EN\" /> "
    "<CustomerID>408315</CustomerID> "
    "<DivisionID>552907</DivisionID> "
    "</PriceAvailabilityHeader>"
    "<PriceAvailabilityDetails>");
const QString kTail = QStringLiteral("</PriceAvailabilityDetails></PriceAvailabilityRequest>");

QString partDetail(int item, const QString& model, int quantity)
{
    return QStringLiteral("<PartDetail PartLineItemNumber=\"%1\" > <PartID><Model>%2</Model> </PartID><QuoteNumber /> "
                          "<RequestedQuantity>%3</RequestedQuantity> <RequestedDeliveryDate /> </PartDetail>")
        .arg(item)
        .arg(model)
        .arg(quantity);
}

// Answers each request with its own lines, changed by how many it asks for: a
// request for 9 and one for fewer lose their last lines (a negative change) or
// gain lines "EXTRA" after them.
HttpTestServer::Responder answering(int changeOfNine, int changeOfFewer)
{
    return [=](const HttpTestServer::Request& request) {
        const QByteArray end = "</PriceAvailabilityResponse>";
        QByteArray answer = HttpTestServer::answerFor(request.body, "20240307", "EA").chopped(end.size());
        const int change = request.body.count("<Model>") == 9 ? changeOfNine : changeOfFewer;
        for (int k = change; k < 0; ++k)
            answer.truncate(answer.lastIndexOf("<PartDetail>"));
        answer += QByteArray("<PartDetail><Model>EXTRA</Model></PartDetail>").repeated(std::max(change, 0));
        return HttpTestServer::Reply{200, "OK", answer + end};
    };
}

// Answers each request with the Model texts its own gives, one line each with
// the same date and unit: the service that answers out of order, leaves a line
// out, answers another part or one twice.
HttpTestServer::Responder answeringModels(const std::function<void(QList<QByteArray>&)>& change, int delay = 0)
{
    return [=](const HttpTestServer::Request& request) {
        static const QRegularExpression model(QStringLiteral("<Model>(.*?)</Model>"));
        QList<QByteArray> models;
        for (auto it = model.globalMatch(QString::fromUtf8(request.body)); it.hasNext();)
            models << it.next().captured(1).toUtf8();
        change(models);
        QByteArray answer = "<PriceAvailabilityResponse>";
        for (const QByteArray& name : models)
            answer += "<PartDetail><Model>" + name + "</Model><PromiseDate>20240307</PromiseDate><Unit>EA</Unit>"
                      "</PartDetail>";
        return HttpTestServer::Reply{200, "OK", answer + "</PriceAvailabilityResponse>", false, {}, {}, delay};
    };
}

} // namespace

class PriceRequest : public WindowsFixture {
protected:
    void SetUp() override
    {
        WindowsFixture::SetUp();
        Globals::System_Type = 4;
        server.setResponder([](const HttpTestServer::Request& request) {
            return HttpTestServer::Reply{200, "OK", HttpTestServer::answerFor(request.body, "20240307", "EA"), false};
        });
    }

    void TearDown() override
    {
        Globals::Set_Price_Time_Limit_For_Tests(0);
        WindowsFixture::TearDown();
    }

    // The service answers every request with this body.
    void answerWith(const QByteArray& body)
    {
        server.setResponder([body](const HttpTestServer::Request&) { return HttpTestServer::Reply{200, "OK", body}; });
    }

    // A drive system whose bill of material has the given number of lines: the
    // drive, then accessories "ACC-k" with quantity k.
    static void billOfMaterial(int lines)
    {
        AxisRecord& axis = Globals::Axis[0];
        if (lines >= 1) {
            axis.Drive_Part_Number = QStringLiteral("BSD-230-10");
            axis.Drive_Name = QStringLiteral("BSD");
        }
        for (int k = 1; k < lines; ++k) {
            axis.Drive_Accessory_Entry[static_cast<size_t>(k - 1)] = QStringLiteral("ACC-%1 = Accessory %1").arg(k);
            axis.Drive_Accessory_Quantity[static_cast<size_t>(k - 1)] = QString::number(k);
            axis.Drive_Accessory_Description[static_cast<size_t>(k - 1)] = QStringLiteral("Accessory %1").arg(k);
        }
    }

    QStringList bodies() const
    {
        QStringList out;
        for (const auto& request : server.requests())
            out << QString::fromUtf8(request.body);
        return out;
    }

    // The failure a run through the toolbar button reports, with the dialog and cursor put back.
    QString failureOfARun()
    {
        main->createXMLfor_Extranet();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(Forms::find(QStringLiteral("frmXMLwaitdialog"))->Visible());
        EXPECT_TRUE(files->calls().isEmpty());
        EXPECT_TRUE(shell->opened().isEmpty());
        return msg->prompts().join(QLatin1Char('\n'));
    }

    HttpTestServer server;
};

TEST_F(PriceRequest, NineLinesGoInOneRequestTenInTwoEighteenInTwoFull)
{
    billOfMaterial(9);
    ASSERT_TRUE(Globals::Request_Price_Availability());
    QString nine = kHead + partDetail(1, "BSD-230-10", 1);
    for (int k = 2; k <= 9; ++k)
        nine += partDetail(k, QStringLiteral("ACC-%1").arg(k - 1), k - 1);
    EXPECT_EQ(bodies(), QStringList({nine + kTail}));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].method, "POST");
    EXPECT_EQ(server.requests()[0].path, "/xml/priceandavail.asp");
    EXPECT_EQ(server.requests()[0].headers.value("content-type"), "text/xml; charset=UTF-8");

    billOfMaterial(10);
    ASSERT_TRUE(Globals::Request_Price_Availability());
    ASSERT_EQ(server.requests().size(), 3);
    EXPECT_EQ(bodies()[1], nine + kTail);
    EXPECT_EQ(bodies()[2], kHead + partDetail(1, "ACC-9", 9) + kTail);
    EXPECT_EQ(Globals::Response_Count, 10);

    billOfMaterial(18);
    ASSERT_TRUE(Globals::Request_Price_Availability());
    ASSERT_EQ(server.requests().size(), 5);
    QString second = kHead;
    for (int k = 1; k <= 9; ++k)
        second += partDetail(k, QStringLiteral("ACC-%1").arg(k + 8), k + 8);
    EXPECT_EQ(bodies()[4], second + kTail);
    EXPECT_EQ(Globals::Response_Count, 18);
    EXPECT_EQ(Globals::Response_Model[18], "ACC-17");
    EXPECT_TRUE(Globals::Price_Request_XML.isEmpty());
}

TEST_F(PriceRequest, AnEmptyBillOfMaterialSendsOneEmptyRequest)
{
    ASSERT_TRUE(Globals::Request_Price_Availability());
    EXPECT_EQ(bodies(), QStringList({kHead + kTail}));
    EXPECT_TRUE(Globals::Price_Table_Text.isEmpty());
}

TEST_F(PriceRequest, TheTableIsSavedAndOpenedAfterARunFromTheToolbar)
{
    billOfMaterial(3);
    answerWith("<?xml version=\"1.0\"?><Answer><Line><Model>BSD-230-10</Model><PromiseDate>20241105</PromiseDate>"
               "<Unit>EA</Unit></Line><Line><Model>ACC-1</Model><PromiseDate></PromiseDate><Unit>PK</Unit></Line>"
               "<Line><Model>ACC-2</Model><PromiseDate>20250130</PromiseDate><Unit/></Line></Answer>");
    files->queuePath(path("prices.txt"));
    main->createXMLfor_Extranet();

    ASSERT_EQ(files->calls().size(), 1);
    EXPECT_EQ(files->calls()[0].mode, FileDialog::Save);
    EXPECT_EQ(files->calls()[0].settings.filter, "All Files (*.*)|*.*|Text Files (*.txt)|*.txt");
    EXPECT_EQ(files->calls()[0].settings.filterIndex, 2);
    EXPECT_EQ(fileBytes(path("prices.txt")), QByteArray("BSD-230-10\t\t11/05/2024\t\tEA\t\t\r\n"
                                          "ACC-1\t\t//\t\tPK\t\t\r\n"
                                          "ACC-2\t\t01/30/2025\t\t\t\t\r\n"));
    EXPECT_EQ(shell->opened(), QStringList({path("prices.txt")}));
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    auto* wait = Forms::find<frmXMLwaitdialog>(QStringLiteral("frmXMLwaitdialog"));
    ASSERT_NE(wait, nullptr);
    EXPECT_FALSE(wait->Visible());
    EXPECT_EQ(wait->Caption(), "Connecting to Extranet");
    EXPECT_TRUE(wait->text().startsWith("<?xml version=\"1.0\"?><Answer>"));
}

TEST_F(PriceRequest, AnswersOfAnEarlierRunAreCleared)
{
    billOfMaterial(3);
    ASSERT_TRUE(Globals::Request_Price_Availability());
    ASSERT_EQ(Globals::Response_Model[3], "ACC-2");

    answerWith("<r><Model>ONLY</Model><PromiseDate>20240101</PromiseDate></r>");
    ASSERT_TRUE(Globals::Request_Price_Availability());
    EXPECT_EQ(Globals::Response_Count, 1);
    EXPECT_EQ(Globals::Price_Table_Text, "ONLY\t\t01/01/2024\t\t\t\t\r\n"
                                         "\t\t//\t\t\t\t\r\n"
                                         "\t\t//\t\t\t\t\r\n");
}

// As a whole-document read takes them: a prefixed name is another name, and an
// element's text is all the text within it, less comments and blanks alone.
TEST_F(PriceRequest, AnElementsTextIsAllTheTextWithinIt)
{
    billOfMaterial(3);
    answerWith("<r xmlns:p=\"urn:p\"><p:Model>no</p:Model><Model> A<b>B</b> <![CDATA[ ]]></Model>"
               "<Model><Model>in</Model>out&amp;</Model><PromiseDate>2024<!-- c -->03<?pi x?>07</PromiseDate>"
               "<Unit>&#32;</Unit><Unit>x</Unit></r>");
    ASSERT_TRUE(Globals::Request_Price_Availability());
    EXPECT_EQ(Globals::Price_Table_Text, " AB \t\t03/07/2024\t\t\t\t\r\n"
                                         "inout&\t\t//\t\tx\t\t\r\n"
                                         "in\t\t//\t\t\t\t\r\n");
}

TEST_F(PriceRequest, PartNumbersAreEscaped)
{
    Globals::Axis[0].Drive_Part_Number = QStringLiteral("A<B&C");
    ASSERT_TRUE(Globals::Request_Price_Availability());
    EXPECT_EQ(bodies(), QStringList({kHead + partDetail(1, "A&lt;B&amp;C", 1) + kTail}));
    EXPECT_EQ(Globals::Response_Model[1], "A<B&C");
    EXPECT_EQ(Globals::Price_Table_Text, "A<B&C\t\t03/07/2024\t\tEA\t\t\r\n");
}

TEST_F(PriceRequest, CharactersXmlForbidsAreDroppedFromPartNumbers)
{
    Globals::Axis[0].Drive_Part_Number = QStringLiteral("BSD\x01-230\x1B-10\uFFFE");
    ASSERT_TRUE(Globals::Request_Price_Availability());
    EXPECT_EQ(bodies(), QStringList({kHead + partDetail(1, "BSD-230-10", 1) + kTail}));
    EXPECT_EQ(Globals::Price_Table_Text, "BSD-230-10\t\t03/07/2024\t\tEA\t\t\r\n");
}

TEST_F(PriceRequest, AnAnswerPastTheSizeCapIsNotReadAndReportedAsNoAnswer)
{
    billOfMaterial(10);
    const QString tooLarge = "The answer of the price and availability service is larger than 4 MB and was not read.";
    const QByteArray huge = "<Answer>" + QByteArray(5 * 1024 * 1024, ' ') + "</Answer>";
    const HttpTestServer::Reply cases[] = {
        {200, "OK", "<Answer/>", false, "4000000000"}, // declared, never sent
        {200, "OK", huge, false, {}},
        {200, "OK", huge, false, "none"}, // only counting the bytes finds it
    };
    for (const HttpTestServer::Reply& reply : cases) {
        SCOPED_TRACE(reply.length.toStdString());
        msg->clear();
        server.setResponder([&](const HttpTestServer::Request&) { return reply; });
        const qsizetype sent = server.requests().size();
        EXPECT_EQ(failureOfARun(), tooLarge);
        EXPECT_EQ(server.requests().size(), sent + 1);
        EXPECT_LE(Forms::find<frmXMLwaitdialog>(QStringLiteral("frmXMLwaitdialog"))->text().size(),
                  frmXMLwaitdialog::Max_Shown + 4);
    }

    // Below the cap the answer is read; the wait dialog shows its beginning only.
    server.setResponder([](const HttpTestServer::Request& request) {
        QByteArray answer = HttpTestServer::answerFor(request.body, "20240307", "EA");
        answer.insert(answer.indexOf("<PriceAvailabilityResponse>"), "<!--" + QByteArray(1024 * 1024, '.') + "-->");
        return HttpTestServer::Reply{200, "OK", answer, false, {}};
    });
    ASSERT_TRUE(Globals::Request_Price_Availability());
    EXPECT_EQ(Globals::Response_Count, 10);
    const QString shown = Forms::find<frmXMLwaitdialog>(QStringLiteral("frmXMLwaitdialog"))->text();
    EXPECT_EQ(shown.size(), frmXMLwaitdialog::Max_Shown + 4);
    EXPECT_TRUE(shown.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!--...")) << shown.left(60).toStdString();
    EXPECT_TRUE(shown.endsWith(".....\n..."));
}

TEST_F(PriceRequest, TheServiceIsReadFromQuenroIniBesideTheProgram)
{
    qunsetenv("QUENRO_PRICE_SERVICE");
    Globals::Set_App_Folder_For_Tests(tmp.path());
    writeFileBytes(path("Quenro.ini"), "[PriceService]\r\nUrl=" + server.baseUrl().toUtf8() + "/\r\n");
    billOfMaterial(1);
    ASSERT_TRUE(Globals::Request_Price_Availability());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].path, "/xml/priceandavail.asp");
}

TEST_F(PriceRequest, NoServiceConfigured)
{
    qunsetenv("QUENRO_PRICE_SERVICE");
    Globals::Set_App_Folder_For_Tests(tmp.path());
    EXPECT_EQ(failureOfARun(), "No price and availability service is configured. Set QUENRO_PRICE_SERVICE or Url in "
                               "section [PriceService] of Quenro.ini beside the program.");
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(PriceRequest, ConnectionRefused)
{
    // A port bound but not listening refuses connections, and no parallel test can take it meanwhile.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(ntohs(address.sin_port));
    qputenv("QUENRO_PRICE_SERVICE", url.toUtf8());
    EXPECT_EQ(failureOfARun(),
              QStringLiteral("The price and availability service at %1/xml/priceandavail.asp refused the connection.")
                  .arg(url));
    ::close(fd);
}

TEST_F(PriceRequest, AServiceThatNeverAnswersHitsTheTimeLimit)
{
    EXPECT_EQ(Globals::Price_Time_Limit(), 60000);
    Globals::Set_Price_Time_Limit_For_Tests(300);
    server.setResponder([](const HttpTestServer::Request&) { return HttpTestServer::Reply{200, "OK", {}, true}; });
    EXPECT_EQ(failureOfARun(), "The price and availability service at " + server.baseUrl()
                                   + "/xml/priceandavail.asp did not answer within 0.3 seconds.");
    EXPECT_EQ(server.requests().size(), 1);
}

// The wait the dialog promises holds for the whole run: a service that takes
// most of it for each batch leaves the lines it did not answer in time empty
// and named, and is asked no more.
TEST_F(PriceRequest, ThePromisedWaitIsOneLimitForTheWholeRun)
{
    Globals::Set_Price_Time_Limit_For_Tests(1200);
    billOfMaterial(19);
    server.setResponder(answeringModels([](QList<QByteArray>&) {}, 720));
    files->queuePath(path("prices.txt"));
    main->createXMLfor_Extranet();
    QStringList late;
    for (int k = 9; k <= 18; ++k)
        late << QStringLiteral("ACC-%1").arg(k);
    EXPECT_EQ(msg->prompts(), QStringList({"The price and availability service answered 9 of the 19 lines asked for "
                                           "within 1.2 seconds; the price table leaves the lines of "
                                           + late.mid(0, 9).join(", ") + " and ACC-18 empty."}));
    EXPECT_EQ(server.requests().size(), 2);
    const QByteArray table = fileBytes(path("prices.txt"));
    EXPECT_TRUE(table.startsWith("BSD-230-10\t\t03/07/2024\t\tEA\t\t\r\nACC-1\t")) << table.toStdString();
    EXPECT_TRUE(table.endsWith("ACC-8\t\t03/07/2024\t\tEA\t\t\r\n" + QByteArray("\t\t//\t\t\t\t\r\n").repeated(10)));
}

// An answer that fills no table or a short one, and the one sentence the user reads.
TEST_F(PriceRequest, AnAnswerThatFillsTheTableShortIsNamed)
{
    // elements levels deep: wrappers around one answer line, its Model the deepest.
    auto nested = [](int levels) {
        return QByteArray("<a>").repeated(levels - 2)
               + "<PartDetail><Model>M</Model><PromiseDate>20240101</PromiseDate><Unit>EA</Unit></PartDetail>"
               + QByteArray("</a>").repeated(levels - 2);
    };
    const QString service = "The price and availability service at " + server.baseUrl() + "/xml/priceandavail.asp ";
    const QString answer = "The answer of the price and availability service ";
    const QString tooDeep = answer + "nests its elements more than 32 levels deep and was not read.";
    const QByteArray unanswered = QByteArray("\t\t//\t\t\t\t\r\n");
    // The table of the bill below as each line's own answer fills it, the lines given left empty.
    auto answeredBut = [&](const QList<int>& empty) {
        QByteArray table;
        for (int line = 1; line <= 10; ++line)
            table += empty.contains(line) ? unanswered
                                          : (line == 1 ? QByteArray("BSD-230-10") : "ACC-" + QByteArray::number(line - 1))
                                                + "\t\t03/07/2024\t\tEA\t\t\r\n";
        return table;
    };
    // The table whose lines hold the answers for these part numbers, an empty one none.
    auto tableOf = [&](const QList<QByteArray>& models) {
        QByteArray table;
        for (const QByteArray& model : models)
            table += model.isEmpty() ? unanswered : model + "\t\t03/07/2024\t\tEA\t\t\r\n";
        return table;
    };
    // The service that answers ACC-2 as another part, and what the user is told of ACC-2's line.
    auto answeringAcc2As = [](const QByteArray& other) {
        return answeringModels(
            [other](QList<QByteArray>& m) { std::replace(m.begin(), m.end(), QByteArray("ACC-2"), other); });
    };
    const QString acc2AnsweredAs = "The price and availability service answered 9 of the 10 lines asked for; no "
                                   "answer came for ACC-2. ";
    const QString acc2Holds = " By position, the price table holds other parts' answers at the line of ACC-2.";
    struct Row {
        const char* what;
        HttpTestServer::Reply reply;
        QString message;
        qsizetype requests; // the first batch failing, the second is never sent
        QByteArray table; // none written when empty
        HttpTestServer::Responder responder = {}; // instead of the reply
    };
    const Row rows[] = {
        {"HTTP error", {500, "Internal Server Error", "<oops/>"},
         service + "answered with HTTP error 500 Internal Server Error.", 1, {}},
        {"reason ending in a full stop", {503, "Service Unavailable. ", "<oops/>"},
         service + "answered with HTTP error 503 Service Unavailable.", 1, {}},
        {"no reason", {502, "", "<oops/>"}, service + "answered with HTTP error 502.", 1, {}},
        {"malformed", {200, "OK", "<Answer><Model>X</Answer>"},
         answer + "is not well-formed XML (line 1, column 25: Opening and ending tag mismatch).", 1, {}},
        {"cut short", {200, "OK", "<Answer><Model>X</Model>"},
         answer + "is not well-formed XML (line 1, column 24: Premature end of document).", 1, {}},
        {"will not unpack", {200, "OK", "not compressed", false, {}, "Content-Encoding: gzip\r\n"},
         answer + "at " + server.baseUrl() + "/xml/priceandavail.asp could not be read: Decompression failed.", 1, {}},
        // 3.5 MB: a whole-document read of it froze the program for minutes.
        {"500,000 levels", {200, "OK", QByteArray("<a>").repeated(500000) + QByteArray("</a>").repeated(500000)},
         tooDeep, 1, {}},
        {"33 levels", {200, "OK", nested(33)}, tooDeep, 1, {}},
        {"32 levels, one line of each batch", {200, "OK", nested(32)},
         "The price and availability service answered 0 of the 10 lines asked for; no answer came for BSD-230-10, "
         "ACC-1, ACC-2, ACC-3, ACC-4, ACC-5, ACC-6, ACC-7, ACC-8 and ACC-9. The answers for M belong to no part "
         "asked. By position, the price table holds other parts' answers at the lines of BSD-230-10 and ACC-9 and "
         "leaves the lines of ACC-1, ACC-2, ACC-3, ACC-4, ACC-5, ACC-6, ACC-7 and ACC-8 empty.",
         2, "M\t\t01/01/2024\t\tEA\t\t\r\n" + unanswered.repeated(8) + "M\t\t01/01/2024\t\tEA\t\t\r\n"},
        {"a short first batch", {}, "The price and availability service answered 9 of the 10 lines asked for; the "
         "price table leaves the line of ACC-8 empty.", 2, answeredBut({9}), answering(-1, 0)},
        {"each batch one line more", {}, "The answers for EXTRA belong to no part asked. The price and availability "
         "service answered 2 lines more than were asked for; the price table leaves them out.", 2, answeredBut({}),
         answering(1, 1)},
        {"a short first batch and a long second one", {},
         "The price and availability service answered 9 of the 10 lines asked for; the price table leaves the line of "
         "ACC-8 empty. The answer for EXTRA belongs to no part asked. The price and availability service answered 1 "
         "line more than was asked for; the price table leaves it out.", 2, answeredBut({9}), answering(-1, 1)},
        // Paired by position, each answer is held against its line's part number.
        {"a line left out in the middle", {},
         "The price and availability service answered 9 of the 10 lines asked for; no answer came for ACC-4. By "
         "position, the price table holds other parts' answers at the lines of ACC-4, ACC-5, ACC-6 and ACC-7 and "
         "leaves the line of ACC-8 empty.",
         2, tableOf({"BSD-230-10", "ACC-1", "ACC-2", "ACC-3", "ACC-5", "ACC-6", "ACC-7", "ACC-8", "", "ACC-9"}),
         answeringModels([](QList<QByteArray>& m) {
             if (m.size() == 9)
                 m.removeAt(4);
         })},
        {"two lines swapped", {},
         "By position, the price table holds other parts' answers at the lines of BSD-230-10 and ACC-1.", 2,
         tableOf({"ACC-1", "BSD-230-10", "ACC-2", "ACC-3", "ACC-4", "ACC-5", "ACC-6", "ACC-7", "ACC-8", "ACC-9"}),
         answeringModels([](QList<QByteArray>& m) {
             if (m.size() == 9)
                 m.swapItemsAt(0, 1);
         })},
        {"a part not asked", {}, acc2AnsweredAs + "The answer for XYZ-1 belongs to no part asked." + acc2Holds, 2,
         answeredBut({}).replace("ACC-2\t", "XYZ-1\t"), answeringAcc2As("XYZ-1")},
        {"one line answered twice", {}, acc2AnsweredAs + "ACC-1 was answered more often than asked." + acc2Holds, 2,
         answeredBut({}).replace("ACC-2\t", "ACC-1\t"), answeringAcc2As("ACC-1")},
        {"many parts not asked", {},
         "The answers for EXTRA-1, EXTRA-2, EXTRA-3, EXTRA-4, EXTRA-5, EXTRA-6, EXTRA-7, EXTRA-8, EXTRA-9, EXTRA-10 "
         "and 2 more belong to no part asked. The price and availability service answered 12 lines more than were "
         "asked for; the price table leaves them out.",
         2, answeredBut({}), answeringModels([](QList<QByteArray>& m) {
             for (int k = 1; k <= 12 && m.size() > 1; ++k)
                 m << "EXTRA-" + QByteArray::number(k);
         })},
        // Named as the catalogue names its parts: without regard to case, the blanks around them layout.
        {"another case", {}, {}, 2,
         tableOf({" bsd-230-10", " acc-1", " acc-2", " acc-3", " acc-4", " acc-5", " acc-6", " acc-7", " acc-8",
                  " acc-9"}),
         answeringModels([](QList<QByteArray>& m) {
             for (QByteArray& n : m)
                 n = " " + n.toLower();
         })},
        {"no line", {200, "OK", "<PriceAvailabilityResponse/>"},
         "The price and availability service answered 0 of the 10 lines asked for; no price table was written.", 2,
         {}},
    };
    billOfMaterial(10);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        msg->clear();
        if (row.responder)
            server.setResponder(row.responder);
        else
            server.setResponder([&](const HttpTestServer::Request&) { return row.reply; });
        const qsizetype sent = server.requests().size();
        const qsizetype asked = files->calls().size();
        const QString table = path("prices.txt");
        QFile::remove(table);
        if (!row.table.isEmpty())
            files->queuePath(table);
        main->createXMLfor_Extranet();
        EXPECT_EQ(msg->prompts(), row.message.isEmpty() ? QStringList() : QStringList({row.message}));
        EXPECT_EQ(server.requests().size(), sent + row.requests);
        EXPECT_EQ(files->calls().size(), asked + (row.table.isEmpty() ? 0 : 1));
        if (row.table.isEmpty())
            EXPECT_FALSE(QFile::exists(table));
        else
            EXPECT_EQ(fileBytes(table), row.table);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(Forms::find(QStringLiteral("frmXMLwaitdialog"))->Visible());
    }
}

TEST_F(PriceRequest, CancelInTheWaitDialogEndsTheRunQuietly)
{
    // The dialog stays responsive while the request waits: its Cancel is
    // pressed once the service holds the request, which it never answers.
    server.setResponder([](const HttpTestServer::Request&) {
        QTimer::singleShot(0, [] {
            if (Form* wait = Forms::find(QStringLiteral("frmXMLwaitdialog"))) {
                EXPECT_TRUE(wait->Visible());
                wait->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
            }
        });
        return HttpTestServer::Reply{200, "OK", {}, true};
    });
    billOfMaterial(2);
    main->createXMLfor_Extranet();
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_TRUE(files->calls().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Forms::find(QStringLiteral("frmXMLwaitdialog"))->Visible());
}

TEST_F(PriceRequest, ToolbarButton8RunsTheRequest)
{
    billOfMaterial(1);
    files->queueCancel();
    main->Toolbar_Button(8)->setVisible(true);
    main->Toolbar_Button(8)->trigger();
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(files->calls().size(), 1);
    EXPECT_TRUE(shell->opened().isEmpty());
}
