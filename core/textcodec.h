// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// How a profile file is stored on disk, so that a write can keep it that way.
enum class TextEncoding { Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom, Windows1252 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// UTF-8 with or without BOM, UTF-16 with BOM; anything that is not valid UTF-8 is taken
// for a legacy 8-bit file from a Windows copy and read as Windows-1252.
DecodedText decodeText(const QByteArray& bytes);

// The text in the given encoding, BOM included; no value when a character does not fit.
std::optional<QByteArray> encodeText(const QString& text, TextEncoding encoding);
