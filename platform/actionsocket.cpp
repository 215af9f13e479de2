// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/actionsocket.h"

#include "platform/actionsocketpath.h"

#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A client has this long to send its line; then it is dropped.
constexpr int kClientTimeoutMs = 2000;
// Connections served at once; more are closed at once, so that a flood costs nothing.
constexpr int kMaxClients = 8;
} // namespace

ActionSocket::ActionSocket(QStringList actions, QObject* parent)
    : QObject(parent), m_actions(std::move(actions)) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server.nextPendingConnection())
            serve(client);
    });
}

ActionSocket::~ActionSocket() {
    // Closing removes the socket file, while the lock still keeps others from listening.
    m_server.close();
    if (m_lock >= 0)
        ::close(m_lock);
}

std::optional<QString> ActionSocket::defaultPath() {
    char path[sizeof(sockaddr_un::sun_path)];
    if (!actionsocket::socketPath(path, sizeof path, true))
        return std::nullopt;
    return QFile::decodeName(path);
}

QString ActionSocket::noSuchAction(const QString& name) {
    return tr("There is no action \"%1\".").arg(name);
}

bool ActionSocket::listenAt(const QString& path) {
    // Not inherited by the programs the bar starts, which would keep the lock after it ends.
    const int lock = ::open(QFile::encodeName(path + u".lock"_qs).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0)
        return false;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        return false;
    }
    // Holding the lock, any socket file there is one a copy left behind when it ended.
    QLocalServer::removeServer(path);
    if (!m_server.listen(path)) {
        ::close(lock);
        return false;
    }
    m_lock = lock;
    return true;
}

void ActionSocket::serve(QLocalSocket* client) {
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    if (m_clients >= kMaxClients) {
        client->abort();
        client->deleteLater();
        return;
    }
    ++m_clients;
    connect(client, &QObject::destroyed, this, [this] { --m_clients; });
    // Qt reads no more than this from the connection; a longer line never fills memory.
    client->setReadBufferSize(qint64(actionsocket::kMaxRequest));
    connect(client, &QLocalSocket::readyRead, this, [this, client] { answer(client); });
    QTimer::singleShot(kClientTimeoutMs, client, [client] {
        client->abort();
        client->deleteLater();
    });
    // The line may have come with the connection.
    if (client->bytesAvailable() > 0)
        answer(client);
}

void ActionSocket::answer(QLocalSocket* client) {
    if (client->state() != QLocalSocket::ConnectedState || client->property("answered").toBool())
        return;
    const bool complete = client->canReadLine();
    if (!complete && client->bytesAvailable() < qint64(actionsocket::kMaxRequest))
        return;
    client->setProperty("answered", true);
    QByteArray line = client->readLine(qint64(actionsocket::kMaxRequest) + 1);
    if (line.endsWith('\n'))
        line.chop(1);
    // Only shown back to the one who sent it, as printable text on one line.
    for (char& c : line)
        if (uchar(c) < 0x20 || c == 0x7f)
            c = '?';
    const QString name = QString::fromUtf8(line);
    if (complete && m_actions.contains(name)) {
        client->write("ok\n");
        QTimer::singleShot(0, this, [this, name] { emit actionActivated(name); });
    } else {
        client->write(noSuchAction(complete ? name : name + u"..."_qs).toUtf8() + '\n');
    }
    client->disconnectFromServer();
}
