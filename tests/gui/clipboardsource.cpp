// SPDX-License-Identifier: GPL-3.0-or-later
// Holds text copied in another program, as an editor does after a copy and a selection: the
// first argument as the clipboard, the second as the primary selection (pasted by a middle
// click). Prints "ready" once both are its own, and keeps them until it is ended.
#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList texts = app.arguments().mid(1);
    if (texts.size() != 2)
        return 2;
    QGuiApplication::clipboard()->setText(texts[0], QClipboard::Clipboard);
    QGuiApplication::clipboard()->setText(texts[1], QClipboard::Selection);
    if (!QGuiApplication::clipboard()->ownsClipboard() ||
        !QGuiApplication::clipboard()->ownsSelection())
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
