#include "gif_layout.h"

namespace korvana::online {

namespace {

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
    auto colourTableSize = [](unsigned char flags) {
        return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0;
    };
    layout.screenWidth = byte(6) | (byte(7) << 8);
    layout.screenHeight = byte(8) | (byte(9) << 8);
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
            if (label == 0xf9 && pos + 3 < data.size() && byte(pos) >= 4)
                pending = byte(pos + 2) | (byte(pos + 3) << 8);
            else if (label == 0x01)  // plain text: a graphic block of its own
                pending = 0;
            pos = skipSubBlocks(data, pos);
        } else if (introducer == 0x2c) {  // image
            if (pos + 10 > data.size()) return layout;
            layout.delays.push_back(pending);
            pending = 0;
            pos += 9 + colourTableSize(byte(pos + 8)) + 1;  // descriptor, local table, code size
            pos = pos <= data.size() ? skipSubBlocks(data, pos) : -1;
        } else {
            return layout;  // damage
        }
        if (pos < 0) return layout;
    }
}

}  // namespace korvana::online
