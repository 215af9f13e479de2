#pragma once

#include "core/appdir.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// A temporary application folder holding a copy of the default skin, so that a test never
// touches a real user's files.
class TestAppFolder {
public:
    TestAppFolder() {
        setAppDirForTesting(path());
        const QString skin = QStringLiteral(LARKSPAN_SOURCE_DIR "/resources/skins/default");
        QDir().mkpath(path() + u"skins/default"_qs);
        for (const QString& name : QDir(skin).entryList(QDir::Files))
            QFile::copy(skin + u'/' + name, path() + u"skins/default/"_qs + name);
    }
    ~TestAppFolder() { setAppDirForTesting(std::nullopt); }

    QString path() const { return m_dir.path() + u'/'; }
    QString file(const QString& name) const { return path() + name; }

private:
    QTemporaryDir m_dir;
};

inline void saveArtifact(const QImage& image, const QString& name) {
    const QString dir = QStringLiteral(LARKSPAN_ARTIFACT_DIR);
    QDir().mkpath(dir);
    image.save(dir + u'/' + name);
}

// The text another X client sees in a window's property, read with xprop.
inline QString xprop(QWidget* window, const QString& property) {
    QProcess p;
    p.start(QStringLiteral("xprop"),
            {QStringLiteral("-id"), QString::number(window->winId()), property});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Runs xdotool while this program's event loop goes on, so that the program handles each
// input event as it comes, like a real one does.
inline bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForStarted())
        return false;
    QDeadlineTimer deadline(20000);
    while (p.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
