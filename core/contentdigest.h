// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QHashFunctions>

// A fingerprint of a file's bytes, so that a reader parses the file again only when it
// changed. Two seeds make 128 bits; a cryptographic digest costs more than the parse.
struct ContentDigest {
    qsizetype size = -1;
    size_t first = 0;
    size_t second = 0;

    static ContentDigest of(QByteArrayView bytes) {
        return {bytes.size(), qHash(bytes, 0x6c61726b), qHash(bytes, 0x7370616e)};
    }
    bool operator==(const ContentDigest&) const = default;
};
