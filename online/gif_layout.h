#pragma once
// The block layout of a GIF file, read without decoding any pixels: enough to
// tell a damaged or oversized picture before the decoder runs, and to know the
// frame delays exactly as the file stores them.
#include <QByteArray>

#include <vector>

namespace korvana::online {

struct GifLayout {
    // Every block is there in full, up to the trailer or up to the end of the
    // data right after a complete block. False when a block is cut off or an
    // unknown byte stands where a block should start.
    bool complete = false;
    int screenWidth = 0;
    int screenHeight = 0;
    // One entry per image, in hundredths of a second as stored (0 for an image
    // without a graphic control block).
    std::vector<int> delays;
};

GifLayout readGifLayout(const QByteArray& data);

}  // namespace korvana::online
