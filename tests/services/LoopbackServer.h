#pragma once
// A tiny HTTP/1.1 server on 127.0.0.1 for the services' tests: records every
// request and answers with whatever the test's responder says (or holds the
// answer back until the test releases it, or never answers).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

class LoopbackServer : public QObject {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names lower-cased
        QByteArray body;
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        bool sendLength = true; // false: no Content-Length, the body ends when the connection closes
        bool hold = false; // keep the answer until release()
        bool never = false; // never answer
    };
    using Responder = std::function<Response(const Request&, int index)>;

    LoopbackServer();
    ~LoopbackServer() override;

    QString url(const QString& path = QStringLiteral("/appcast.json")) const;
    void setResponder(Responder r) { m_responder = std::move(r); }
    void respondWith(Response r)
    {
        m_responder = [r](const Request&, int) { return r; };
    }
    // Answers every held request, oldest first.
    void release();

    const QList<Request>& requests() const { return m_requests; }
    void clear() { m_requests.clear(); }
    // Processes events until `n` requests have arrived (false after `ms`).
    bool waitForRequests(int n, int ms = 5000);

private:
    void onConnection();
    void onReadable(QTcpSocket* socket);
    static void answer(QTcpSocket* socket, const Response& r);

    QTcpServer m_server;
    Responder m_responder;
    QList<Request> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    QList<QPair<QPointer<QTcpSocket>, Response>> m_held;
};

#include <ostream>
// Readable test failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
