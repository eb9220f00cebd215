#include "LoopbackServer.h"

#include <QHostAddress>
#include <QTest>

LoopbackServer::LoopbackServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::onConnection);
}

LoopbackServer::~LoopbackServer()
{
    m_server.close();
    qDeleteAll(m_server.findChildren<QTcpSocket*>());
}

QString LoopbackServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

bool LoopbackServer::waitForRequests(int n, int ms)
{
    return QTest::qWaitFor([&] { return m_requests.size() >= n; }, ms);
}

void LoopbackServer::onConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.remove(socket); });
    }
}

void LoopbackServer::onReadable(QTcpSocket* socket)
{
    QByteArray& buf = m_buffers[socket];
    buf += socket->readAll();
    const int headerEnd = buf.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    Request req;
    const QList<QByteArray> lines = buf.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    req.method = first.value(0);
    req.path = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            req.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const int length = req.headers.value("content-length", "0").toInt();
    if (buf.size() < headerEnd + 4 + length)
        return;
    req.body = buf.mid(headerEnd + 4, length);
    buf.clear();

    m_requests.append(req);
    const Response r = m_responder ? m_responder(req, int(m_requests.size()) - 1) : Response {};
    if (r.never)
        return;
    if (r.hold) {
        m_held.append({ QPointer<QTcpSocket>(socket), r });
        return;
    }
    answer(socket, r);
}

void LoopbackServer::release()
{
    const auto held = std::exchange(m_held, {});
    for (const auto& [socket, r] : held)
        if (socket)
            answer(socket, r);
}

void LoopbackServer::answer(QTcpSocket* socket, const Response& r)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " X\r\n";
    head += "Content-Type: " + r.contentType + "\r\n";
    if (r.sendLength)
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->write(r.body);
    socket->disconnectFromHost();
}
