// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/actionsocket.h"

#include "platform/actionsocketpath.h"
#include "platform/applicationservice.h"

#include <QFile>
#include <QTimer>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A client has this long to send its line; then it is dropped.
constexpr int kClientTimeoutMs = 2000;
// Connections served at once; a new one beyond them drops the oldest, so that silent
// clients never keep a key binding out.
constexpr int kMaxClients = 8;

// One connection: reads up to the limit without blocking, answers once, closes.
class ActionClient : public QObject {
public:
    ActionClient(int fd, ActionSocket& server, QObject* parent)
        : QObject(parent), m_fd(fd), m_server(server), m_notifier(fd, QSocketNotifier::Read) {
        connect(&m_notifier, &QSocketNotifier::activated, this, &ActionClient::read);
        QTimer::singleShot(kClientTimeoutMs, this, &ActionClient::finish);
    }
    ~ActionClient() override {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // The connection ends now; the object later, outside the notifier's and the timer's
    // own delivery, which a modal window opened meanwhile would put off until it closes.
    void finish() {
        m_notifier.setEnabled(false);
        ::close(m_fd);
        m_fd = -1;
        deleteLater();
    }

private:
    void read() {
        char buffer[kActionMaxRequest];
        const ssize_t got =
            ::recv(m_fd, buffer, kActionMaxRequest - size_t(m_request.size()), 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got <= 0) { // gone without a whole line
            finish();
            return;
        }
        m_request.append(buffer, got);
        const qsizetype end = m_request.indexOf('\n');
        if (end < 0 && m_request.size() < qsizetype(kActionMaxRequest))
            return;
        const QByteArray reply =
            m_server.answer(end >= 0 ? m_request.left(end) : m_request, end >= 0);
        // A few bytes into an empty socket buffer: it never blocks, and a client that does
        // not read them loses only its answer.
        (void)!::send(m_fd, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        finish();
    }

    int m_fd;
    ActionSocket& m_server;
    QSocketNotifier m_notifier;
    QByteArray m_request;
};

} // namespace

ActionSocket::ActionSocket(QStringList actions, QObject* parent)
    : QObject(parent), m_actions(std::move(actions)) {}

ActionSocket::~ActionSocket() {
    // Removed while the lock still keeps others from listening.
    if (m_listening >= 0) {
        m_notifier.reset();
        ::close(m_listening);
        QFile::remove(m_path);
    }
    if (m_lock >= 0)
        ::close(m_lock);
}

std::optional<QString> ActionSocket::defaultPath() {
    char path[sizeof(sockaddr_un::sun_path)];
    if (!actionSocketPath(path, sizeof path, true))
        return std::nullopt;
    return QFile::decodeName(path);
}

bool ActionSocket::listenAt(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (file.isEmpty() || size_t(file.size()) >= sizeof address.sun_path)
        return false;
    memcpy(address.sun_path, file.constData(), size_t(file.size()));
    // Close-on-exec: the programs the bar starts must not keep the lock or the socket.
    const int lock = ::open((file + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0)
        return false;
    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // Holding the lock, a socket file there is one a copy left behind when it ended.
    if (listening < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0 ||
        (::unlink(file.constData()) != 0 && errno != ENOENT) ||
        ::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listening, kMaxClients) != 0) {
        if (listening >= 0)
            ::close(listening);
        ::close(lock);
        return false;
    }
    m_path = path;
    m_lock = lock;
    m_listening = listening;
    m_notifier = std::make_unique<QSocketNotifier>(listening, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ActionSocket::accept);
    return true;
}

void ActionSocket::accept() {
    const int fd = ::accept4(m_listening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    if (m_clients.size() >= kMaxClients)
        static_cast<ActionClient*>(m_clients.takeFirst())->finish();
    auto* client = new ActionClient(fd, *this, this);
    m_clients.append(client);
    connect(client, &QObject::destroyed, this, [this, client] { m_clients.removeOne(client); });
}

QByteArray ActionSocket::answer(const QByteArray& request, bool complete) {
    // Only shown back to the one who sent it, as printable text on one line.
    QByteArray line = request;
    for (char& c : line)
        if (uchar(c) < 0x20 || c == 0x7f)
            c = '?';
    const QString name = QString::fromUtf8(line);
    if (complete && m_actions.contains(name)) {
        QTimer::singleShot(0, this, [this, name] { emit actionActivated(name); });
        return "ok\n";
    }
    return ApplicationService::noSuchAction(complete ? name : name + u"..."_qs).toUtf8() + '\n';
}
