#include "services/gif_layout.h"

#include <algorithm>

namespace korvana::online {

namespace {

// Codes wider than this make the decoder give up on the picture.
constexpr int kMaxLzwCodeSize = 12;

// Skips a chain of data sub-blocks starting at pos; returns the position after
// its terminator, or -1 when the data ends first.
qsizetype skipSubBlocks(const QByteArray& data, qsizetype pos) {
    while (pos < data.size()) {
        const auto length = static_cast<unsigned char>(data[pos]);
        ++pos;
        if (length == 0) return pos;
        pos += length;
    }
    return -1;
}

}  // namespace

GifLayout readGifLayout(const QByteArray& data) {
    GifLayout layout;
    if (data.size() < 13 || !(data.startsWith("GIF87a") || data.startsWith("GIF89a")))
        return layout;
    auto byte = [&data](qsizetype i) { return static_cast<unsigned char>(data[i]); };
    auto word = [&byte](qsizetype i) { return byte(i) | (byte(i + 1) << 8); };
    auto colourTableSize = [](unsigned char flags) {
        return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0;
    };
    layout.screenWidth = word(6);
    layout.screenHeight = word(8);
    layout.canvasWidth = layout.screenWidth;
    layout.canvasHeight = layout.screenHeight;
    qsizetype pos = 13 + colourTableSize(byte(10));
    int pending = 0;
    for (;;) {
        if (pos == data.size()) {  // ends after a complete block, without a trailer
            layout.complete = true;
            return layout;
        }
        if (pos > data.size()) return layout;
        const unsigned char introducer = byte(pos++);
        if (introducer == 0x3b) {  // trailer
            layout.complete = true;
            return layout;
        }
        if (introducer == 0x21) {  // extension
            if (pos >= data.size()) return layout;
            const unsigned char label = byte(pos++);
            if (label == 0xf9 || label == 0xff) {
                // Graphic control and application extensions open with a
                // block of their own whose length byte never ends the
                // extension, not even a 0; only the sub-blocks after it do.
                if (pos >= data.size()) return layout;
                const unsigned char length = byte(pos);
                if (label == 0xf9)
                    pending = (length >= 3 && pos + 3 < data.size()) ? word(pos + 2) : 0;
                pos += 1 + length;
            } else if (label == 0x01) {  // plain text: a graphic block of its own
                pending = 0;
            }
            pos = pos <= data.size() ? skipSubBlocks(data, pos) : -1;
        } else if (introducer == 0x2c) {  // image
            if (pos + 10 > data.size()) return layout;
            layout.canvasWidth = std::max(layout.canvasWidth, word(pos) + word(pos + 4));
            layout.canvasHeight = std::max(layout.canvasHeight, word(pos + 2) + word(pos + 6));
            layout.delays.push_back(pending);
            pending = 0;
            pos += 9 + colourTableSize(byte(pos + 8));  // descriptor, local table
            if (pos >= data.size() || byte(pos) > kMaxLzwCodeSize) return layout;
            pos = skipSubBlocks(data, pos + 1);
        } else {
            return layout;  // damage
        }
        if (pos < 0) return layout;
    }
}

}  // namespace korvana::online
