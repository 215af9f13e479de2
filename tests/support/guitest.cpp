// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/guitest.h"

TestAppFolder::TestAppFolder() {
    setAppDirForTesting(path());
    const QString skin = QStringLiteral(LARKSPAN_SOURCE_DIR "/resources/skins/default");
    QDir().mkpath(path() + u"skins/default"_qs);
    for (const QString& name : QDir(skin).entryList(QDir::Files))
        QFile::copy(skin + u'/' + name, path() + u"skins/default/"_qs + name);
}

TestAppFolder::~TestAppFolder() {
    setAppDirForTesting(std::nullopt);
}

void saveArtifact(const QImage& image, const QString& name) {
    const QString dir = QStringLiteral(LARKSPAN_ARTIFACT_DIR);
    QDir().mkpath(dir);
    image.save(dir + u'/' + name);
}

QString xprop(QWidget* window, const QString& property) {
    QProcess p;
    p.start(QStringLiteral("xprop"),
            {QStringLiteral("-id"), QString::number(window->winId()), property});
    if (!p.waitForFinished(10000))
        p.kill();
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForStarted())
        return false;
    // --sync waits for the window manager, which may never do what was asked.
    QDeadlineTimer deadline(20000);
    while (p.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray menuFile(const QList<std::pair<QByteArray, QByteArray>>& entries) {
    QByteArray text = "[menu]\r\nitems=" + QByteArray::number(entries.size()) + "\r\n";
    for (qsizetype i = 0; i < entries.size(); ++i)
        text += "[item" + QByteArray::number(i + 1) + "]\r\ncaption=" + entries[i].first +
                "\r\nexec=" + entries[i].second + "\r\n";
    return text;
}

void fillEntryDialog(QWidget& dialog, const QString& caption, const QString& target,
                     const QString& button) {
    auto* captionField = dialog.findChild<QLineEdit*>(QStringLiteral("txtCaption"));
    auto* targetField = dialog.findChild<QLineEdit*>(QStringLiteral("txtAppPath"));
    captionField->selectAll();
    QTest::keyClicks(captionField, caption);
    targetField->selectAll();
    QTest::keyClicks(targetField, target);
    if (caption.isEmpty())
        captionField->clear();
    if (target.isEmpty())
        targetField->clear();
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}
