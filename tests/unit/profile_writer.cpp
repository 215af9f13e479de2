// SPDX-License-Identifier: GPL-3.0-or-later
// Helper process for the file-safety tests: writes keys until it is done or killed.
#include "core/menufile.h"
#include "core/profilefile.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    ProfileFile file(args[1]);
    const QString mode = args[2];
    if (mode == u"keys") { // keys PREFIX [COUNT]: distinct keys, 500 unless told
        const int count = args.size() > 4 ? args[4].toInt() : 500;
        for (int i = 0; i < count; ++i)
            file.WriteInteger(QStringLiteral("shared"), args[3] + QString::number(i), i);
        return 0;
    }
    if (mode == u"entries") { // entries PREFIX: 200 menu entries appended
        MenuFile menu(args[1]);
        for (int i = 0; i < 200; ++i)
            menu.append({{args[3] + QString::number(i), QStringLiteral("exec")}});
        return 0;
    }
    if (mode == u"counter") { // counter PADDING: the same key rewritten for ever
        const QString padding(args[3].toInt(), u'x');
        file.WriteString(QStringLiteral("s"), QStringLiteral("pad"), padding);
        for (int i = 0;; ++i)
            file.WriteInteger(QStringLiteral("s"), QStringLiteral("n"), i);
    }
    return 2;
}
