#include "shell/PriceRequest.h"

#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/PriceShortfall.h"
#include "shell/Report.h"
#include "shell/frmXMLwaitdialog.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>

namespace Globals {

namespace {

// The wait dialog promises 30-60 seconds.
constexpr int kDefaultTimeLimit = 60000;
constexpr int kBatchLines = 9;
// An answer to 9 lines is a few kilobytes: anything near this is no answer.
constexpr qint64 kMaxAnswerBytes = 4 * 1024 * 1024;
// An answer is a handful of levels deep. The bound also caps how many open
// elements each text is added to.
constexpr int kMaxAnswerDepth = 32;
int g_timeLimit = kDefaultTimeLimit;
// What the last run's answers left out.
PriceShortfall g_shortfall;

[[noreturn]] void fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

// One whole sentence from its beginning and a reason that Qt or the service
// gives, which may be empty or end in a blank, a colon or a full stop: the
// reason follows after joiner, without those ends, and close ends the sentence.
// An empty reason is left out with its joiner.
QString sentence(const QString& lead, const QString& joiner, const QString& reason,
                 const QString& close = QStringLiteral("."))
{
    QString kept = reason.trimmed();
    while (kept.endsWith(QLatin1Char(':')) || kept.endsWith(QLatin1Char('.'))) {
        kept.chop(1);
        kept = kept.trimmed();
    }
    return kept.isEmpty() ? lead + close : lead + joiner + kept + close;
}

QString entry(const QVector<QString>& list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : QString();
}

void store(QVector<QString>& list, int index, const QString& value)
{
    if (list.size() <= index)
        list.resize(index + 1);
    list[index] = value;
}

void clearAnswers()
{
    for (QVector<QString>* list : {&Response_Model, &Response_Promise_Date, &Response_Unit})
        std::fill(list->begin(), list->end(), QString());
    Response_Count = 0;
    g_shortfall = PriceShortfall();
}

void showInWaitDialog(frmXMLwaitdialog* wait, const QString& text)
{
    if (!wait)
        return;
    if (!text.isNull())
        wait->setText(text);
    wait->repaint();
}

// The text as XML 1.0 may hold it: the characters it forbids (control
// characters, lone surrogate halves, U+FFFE and U+FFFF) are dropped. A part
// number is sent, and answered, so.
QString xmlAllowed(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD))
            kept += c;
    }
    return kept;
}

[[noreturn]] void failTooLarge()
{
    fail(QStringLiteral("The answer of the price and availability service is larger than %1 MB and was not read.")
             .arg(kMaxAnswerBytes / (1024 * 1024)));
}

QUrl serviceUrl()
{
    const QString base = Price_Service_Url();
    if (base.isEmpty())
        fail(QStringLiteral("No price and availability service is configured. Set QUENRO_PRICE_SERVICE or Url in "
                            "section [PriceService] of Quenro.ini beside the program."));
    QUrl url(base.endsWith(QLatin1Char('/')) ? base.chopped(1) : base, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        || url.host().isEmpty())
        fail(QStringLiteral("The price and availability service address \"%1\" is not a valid http URL.").arg(base));
    url.setPath(url.path() + QStringLiteral("/xml/priceandavail.asp"));
    return url;
}

// The run's time limit in seconds, as the user reads it.
QString limitSeconds()
{
    return QString::number(Price_Time_Limit() / 1000.0);
}

// What one POST brings: its answer, or none when the user cancelled or the
// run's time ran out first.
struct Posted {
    enum Outcome { Answered, Cancelled, Late } outcome;
    QByteArray answer;
};

// One POST, waited for in a local event loop until the run's deadline, so that
// the wait dialog stays responsive.
Posted post(const QUrl& url, const QByteArray& body, const QPointer<frmXMLwaitdialog>& wait,
            const QDeadlineTimer& deadline)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/xml; charset=UTF-8"));
    std::unique_ptr<QNetworkReply> reply(manager.post(request, body));

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    bool cancelled = false;
    // The answer is taken as it arrives and never held past the cap.
    QByteArray answer;
    bool tooLarge = false;
    auto stopTooLarge = [&] {
        tooLarge = true;
        reply->abort();
        loop.quit();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant declared = reply->header(QNetworkRequest::ContentLengthHeader);
        if (declared.isValid() && declared.toLongLong() > kMaxAnswerBytes)
            stopTooLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        answer += reply->read(kMaxAnswerBytes + 1 - answer.size());
        if (answer.size() > kMaxAnswerBytes)
            stopTooLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (wait) {
        QObject::connect(wait, &frmXMLwaitdialog::cancelled, &loop, [&] {
            cancelled = true;
            loop.quit();
        });
    }
    Http_Ready_State = 1;
    limit.start(std::chrono::milliseconds(deadline.remainingTime()));
    if (!reply->isFinished())
        loop.exec();
    limit.stop();
    reply->disconnect(&loop);
    if (tooLarge)
        failTooLarge();

    const QString where = url.toString();
    if (!reply->isFinished()) {
        reply->abort();
        return {cancelled ? Posted::Cancelled : Posted::Late, {}};
    }
    Http_Ready_State = 4;

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        fail(sentence(QStringLiteral("The price and availability service at %1 answered with HTTP error %2")
                          .arg(where, QString::number(status.toInt())),
                      QStringLiteral(" "), reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    }
    if (reply->error() == QNetworkReply::ConnectionRefusedError)
        fail(QStringLiteral("The price and availability service at %1 refused the connection.").arg(where));
    // Codes below 200 are the network's and a proxy's; the others come with an
    // answer, such as one that will not unpack.
    if (reply->error() != QNetworkReply::NoError) {
        const QString lead = reply->error() < 200
                                 ? QStringLiteral("The price and availability service at %1 could not be reached")
                                 : QStringLiteral("The answer of the price and availability service at %1 could not "
                                                  "be read");
        fail(sentence(lead.arg(where), QStringLiteral(": "), reply->errorString()));
    }
    answer += reply->read(kMaxAnswerBytes + 1 - answer.size());
    if (answer.size() > kMaxAnswerBytes)
        failTooLarge();
    return {Posted::Answered, answer};
}

QList<QString> readAnswerLines(int first, int count);

} // namespace

QString Price_Service_Url()
{
    const QString fromEnvironment = qEnvironmentVariable("QUENRO_PRICE_SERVICE").trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QSettings ini(Application_Folder() + QStringLiteral("Quenro.ini"),
                        QSettings::IniFormat);
    return ini.value(QStringLiteral("PriceService/Url")).toString().trimmed();
}

int Price_Time_Limit()
{
    return g_timeLimit;
}

void Set_Price_Time_Limit_For_Tests(int milliseconds)
{
    g_timeLimit = milliseconds > 0 ? milliseconds : kDefaultTimeLimit;
}

QString Price_Availability_Request(int first, int count)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>"
                                 "<PriceAvailabilityRequest version=\"3.0\" type=\"CRM\">"
                                 "<PriceAvailabilityHeader>"
                                 "<BrevanLangDialectCode ISOCountryCode=\"US\" ISOLanguageCode=\"EN\" /> "
                                 "<CustomerID>408315</CustomerID> "
                                 "<DivisionID>552907</DivisionID> "
                                 "</PriceAvailabilityHeader>"
                                 "<PriceAvailabilityDetails>");
    for (int k = 1; k <= count; ++k) {
        const int line = first + k - 1;
        const QString part = entry(BOM_Part_Number, line);
        const int quantity = line < BOM_Quantity.size() ? BOM_Quantity[line] : 0;
        xml += QStringLiteral("<PartDetail PartLineItemNumber=\"%1\" > "
                              "<PartID><Model>%2</Model> </PartID>"
                              "<QuoteNumber /> "
                              "<RequestedQuantity>%3</RequestedQuantity> "
                              "<RequestedDeliveryDate /> "
                              "</PartDetail>")
                   .arg(QString::number(k), xmlAllowed(part).toHtmlEscaped(), QString::number(quantity));
    }
    xml += QStringLiteral("</PriceAvailabilityDetails>"
                          "</PriceAvailabilityRequest>");
    return xml;
}

QString Price_Shortfall()
{
    return g_shortfall.text();
}

bool Request_Price_Availability()
{
    // Answers of an earlier run never fill this run's table.
    clearAnswers();
    QPointer<frmXMLwaitdialog> wait = Forms::get<frmXMLwaitdialog>();
    showInWaitDialog(wait, QString());
    Price_Response.clear();
    const QUrl url = serviceUrl();

    Report_Text = Build_Report();
    const int lines = BOM_Count;
    const int batches = lines <= kBatchLines ? 1 : (lines + kBatchLines - 1) / kBatchLines;
    // The wait the dialog promises is the whole run's. The batches go one
    // after the other, as the service has always been asked: one that takes
    // a single request at a time answers them all the same.
    const QDeadlineTimer deadline(Price_Time_Limit());
    for (int batch = 1; batch <= batches; ++batch) {
        showInWaitDialog(wait, QString());
        const int first = kBatchLines * (batch - 1) + 1;
        const int count = batch < batches ? kBatchLines : lines - kBatchLines * (batches - 1);
        QStringList parts;
        for (int line = first; line < first + count; ++line)
            parts << entry(BOM_Part_Number, line);
        Price_Request_XML = Price_Availability_Request(first, count);
        showInWaitDialog(wait, Price_Request_XML);

        const Posted posted = deadline.hasExpired() ? Posted {Posted::Late, {}}
                                                    : post(url, Price_Request_XML.toUtf8(), wait, deadline);
        if (posted.outcome == Posted::Cancelled)
            return false;
        if (posted.outcome == Posted::Late) {
            if (batch == 1)
                fail(QStringLiteral("The price and availability service at %1 did not answer within %2 seconds.")
                         .arg(url.toString(), limitSeconds()));
            // What is not answered by then is left empty, as in a short answer.
            for (int line = first + count; line <= lines; ++line)
                parts << entry(BOM_Part_Number, line);
            g_shortfall.addLate(parts, limitSeconds());
            break;
        }
        showInWaitDialog(wait, QString::fromUtf8(posted.answer));
        Price_Response = posted.answer;
        // A batch's answers pair with its own lines by position: a short or a
        // long answer moves no other batch's lines.
        const QList<QString> models = readAnswerLines(first, count);
        QStringList sent;
        for (const QString& part : parts)
            sent << xmlAllowed(part);
        g_shortfall.addBatch(parts, sent, models);
    }
    if (wait)
        wait->Hide();
    // A run that answered none writes no table.
    if (Response_Count == 0 && lines > 0)
        fail(g_shortfall.answeredText() + QStringLiteral("; no price table was written."));
    Build_Price_Availability_Table();
    return true;
}

namespace {

// Read_Price_Availability_Response, giving the answer's Model texts.
QList<QString> readAnswerLines(int first, int count)
{
    // Read as it streams past, keeping only these elements: the cost grows with
    // the answer's size alone. Each text is that of the element and everything
    // inside it, as a whole-document read gives it.
    static const QString names[] = {QStringLiteral("Model"), QStringLiteral("PromiseDate"), QStringLiteral("Unit")};
    QList<QString> found[3];
    // Per open element: which list holds its text (-1 for none) and where.
    QList<std::pair<int, qsizetype>> open;
    QXmlStreamReader reader(Price_Response);
    // A prefix stays part of the name, as a whole-document read keeps it.
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (open.size() == kMaxAnswerDepth)
                fail(QStringLiteral("The answer of the price and availability service nests its elements more than "
                                    "%1 levels deep and was not read.")
                         .arg(kMaxAnswerDepth));
            const auto name = std::find(std::begin(names), std::end(names), reader.qualifiedName());
            const int list = name == std::end(names) ? -1 : static_cast<int>(name - std::begin(names));
            open.append({list, list < 0 ? 0 : found[list].size()});
            if (list >= 0)
                found[list].append(QString());
            break;
        }
        case QXmlStreamReader::EndElement:
            open.removeLast();
            break;
        case QXmlStreamReader::Characters:
            // Blanks alone, even written as references, are layout, not text;
            // in a CDATA section they are text.
            if (reader.isCDATA() || !reader.text().trimmed().isEmpty()) {
                for (const auto& [list, index] : open) {
                    if (list >= 0)
                        found[list][index] += reader.text();
                }
            }
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        fail(sentence(QStringLiteral("The answer of the price and availability service is not well-formed XML "
                                     "(line %1, column %2")
                          .arg(QString::number(reader.lineNumber()), QString::number(reader.columnNumber())),
                      QStringLiteral(": "), reader.errorString(), QStringLiteral(").")));

    const QList<QString>& models = found[0];
    const int placed = static_cast<int>(std::min<qsizetype>(models.size(), std::max(count, 0)));
    for (int i = 0; i < placed; ++i) {
        store(Response_Model, first + i, models[i]);
        // A missing date or unit of an answer line reads as empty text.
        store(Response_Promise_Date, first + i, found[1].value(i));
        store(Response_Unit, first + i, found[2].value(i));
    }
    Response_Count += placed;
    Price_Request_XML.clear();
    return models;
}

} // namespace

int Read_Price_Availability_Response(int first, int count)
{
    return static_cast<int>(readAnswerLines(first, count).size());
}

void Build_Price_Availability_Table()
{
    const QString separator = QStringLiteral("\t\t");
    Price_Table_Text.clear();
    for (int i = 1; i <= BOM_Count; ++i) {
        const QString date = entry(Response_Promise_Date, i);
        Price_Table_Text += entry(Response_Model, i) + separator + date.mid(4, 2) + QLatin1Char('/') + date.mid(6, 2)
                            + QLatin1Char('/') + date.left(4) + separator + entry(Response_Unit, i) + separator
                            + QStringLiteral("\r\n");
    }
}

} // namespace Globals
