// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <memory>
#include <optional>

// The desktop's actions from larkspan-action, on a Unix socket in the user's runtime folder:
// a faster way in than the session bus, whose clients take long to start. One request per
// connection, read as untrusted input: a bounded line naming a known action. A client that
// says nothing or too much is dropped and never holds up the bar or another client. A plain socket
// under the event loop, so that the program loads no network library for it.
class ActionSocket : public QObject {
    Q_OBJECT
public:
    explicit ActionSocket(QStringList actions, QObject* parent = nullptr);
    ~ActionSocket() override;

    // The socket's place (platform/actionsocketpath); nothing when there is no safe one.
    static std::optional<QString> defaultPath();

    // Listens at `path` unless another running copy does; a socket left by a copy that
    // ended without removing it is replaced. The copy that listens holds a lock on a file
    // beside the socket until it ends, so that a second one never takes the socket over.
    bool listenAt(const QString& path);

    // Answers a complete request (or one cut at the length limit); "ok" for a known action.
    QByteArray answer(const QByteArray& request, bool complete);

signals:
    // Delivered after the answer has been sent: what it opens may run a modal loop.
    void actionActivated(const QString& name);

private:
    void accept();

    QStringList m_actions;
    QString m_path;
    int m_listening = -1;
    int m_lock = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QList<QObject*> m_clients; // oldest first
};
