#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for the price request: it records each
// request and answers through a responder (or never, when told to stay silent,
// or late).
// While it lives, QUENRO_PRICE_SERVICE names it; the earlier value comes back after.
class HttpTestServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };
    struct Reply {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        bool silent = false;
        // The Content-Length sent: empty for the body's size, "none" for no header.
        QByteArray length = {};
        // Further header lines, each ending in CR LF.
        QByteArray headers = {};
        // Milliseconds the answer waits before it is sent.
        int delay = 0;
    };
    using Responder = std::function<Reply(const Request&)>;

    HttpTestServer();
    ~HttpTestServer() override;
    QString baseUrl() const;
    void setResponder(Responder responder) { m_responder = std::move(responder); }
    const QList<Request>& requests() const { return m_requests; }

    // An answer naming every <Model> of the request with the same date and unit.
    static QByteArray answerFor(const QByteArray& requestBody, const QByteArray& promiseDate, const QByteArray& unit);

private:
    void onReadyRead(QTcpSocket* socket);

    QTcpServer m_server;
    Responder m_responder;
    QList<Request> m_requests;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QByteArray m_savedService;
};
