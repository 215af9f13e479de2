// SPDX-License-Identifier: GPL-3.0-or-later
// Colour texts of a skin: any text gives no colour, the fallback or a 24-bit value.
#include "skin/skincolor.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    constexpr TColor fallback = 0x123456;
    const TColor colour = HtmlToColor(text, fallback);
    if (colour != clNone && colour != fallback && colour > 0xFFFFFF)
        std::abort();
    if (!text.startsWith(u'#') && colour != clNone)
        std::abort();
    return 0;
}
