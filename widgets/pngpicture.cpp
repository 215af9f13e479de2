// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pngpicture.h"

#include <QFile>
#include <QImageReader>

QPixmap pngPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pngIcon(const QString& path) {
    QIcon icon(pngPicture(path));
    const QString twice = QString(path).insert(path.lastIndexOf(u'.'), u"@2x"_qs);
    if (QFile::exists(twice)) {
        QPixmap picture = pngPicture(twice);
        picture.setDevicePixelRatio(2);
        icon.addPixmap(picture);
    }
    return icon;
}
