// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// Windows bitmaps, read by our own decoder so that a damaged skin file can neither crash the
// program nor make it allocate more memory than the file's bytes can describe.
//
// Read: 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, RLE8, RLE4 and bit fields (16
// and 32 bits); the core header (12 bytes) and the info header with its V2 to V5 extensions;
// bottom-up and top-down rows. Pixels that an RLE stream skips stay black. The result is
// always Format_RGB32: alpha is ignored, as for any 24-bit bitmap.

// No bytes give a null image. Throws LarkspanError "Bitmap image is not valid" when the
// bytes do not begin with "BM" or do not hold a complete bitmap of a supported kind.
QImage decodeBmp(QByteArrayView bytes);

// Reads a file and decodes it. Throws LarkspanError "Cannot open file "<full path>".
// <reason>" when the file cannot be read, with the system's reason text.
QImage loadBmpFile(const QString& path);
