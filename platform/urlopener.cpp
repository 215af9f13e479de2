// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/urlopener.h"

#include <QDesktopServices>

namespace UrlOpener {
namespace {

Opener& testOpener() {
    static Opener opener;
    return opener;
}

} // namespace

void open(const QUrl& url) {
    if (testOpener()) {
        testOpener()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void setOpenerForTesting(Opener opener) {
    testOpener() = std::move(opener);
}

} // namespace UrlOpener
