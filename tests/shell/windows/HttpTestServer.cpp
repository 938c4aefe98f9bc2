#include "HttpTestServer.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

HttpTestServer::HttpTestServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_savedService = qgetenv("QUENRO_PRICE_SERVICE");
    qputenv("QUENRO_PRICE_SERVICE", baseUrl().toUtf8());
}

HttpTestServer::~HttpTestServer()
{
    if (m_savedService.isNull())
        qunsetenv("QUENRO_PRICE_SERVICE");
    else
        qputenv("QUENRO_PRICE_SERVICE", m_savedService);
}

QString HttpTestServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void HttpTestServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length").toInt();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    m_requests.append(request);

    const Reply reply = m_responder ? m_responder(request) : Reply{};
    if (reply.silent)
        return;
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
    out += "Content-Type: text/xml\r\n";
    if (reply.length != "none")
        out += "Content-Length: " + (reply.length.isEmpty() ? QByteArray::number(reply.body.size()) : reply.length)
               + "\r\n";
    out += reply.headers + "Connection: close\r\n\r\n" + reply.body;
    auto send = [socket, out] {
        socket->write(out);
        socket->disconnectFromHost();
    };
    // A client that gives up meanwhile closes the socket, and the answer goes with it.
    if (reply.delay > 0)
        QTimer::singleShot(reply.delay, socket, send);
    else
        send();
}

QByteArray HttpTestServer::answerFor(const QByteArray& requestBody, const QByteArray& promiseDate,
                                     const QByteArray& unit)
{
    QByteArray answer = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><PriceAvailabilityResponse>";
    static const QRegularExpression model(QStringLiteral("<Model>(.*?)</Model>"));
    auto it = model.globalMatch(QString::fromUtf8(requestBody));
    while (it.hasNext()) {
        const QByteArray name = it.next().captured(1).toUtf8();
        answer += "<PartDetail><Model>" + name + "</Model><PromiseDate>" + promiseDate + "</PromiseDate><Unit>" + unit
                  + "</Unit></PartDetail>";
    }
    answer += "</PriceAvailabilityResponse>";
    return answer;
}
