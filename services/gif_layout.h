#pragma once
// The block layout of a GIF file, read without decoding any pixels: enough to
// tell a damaged or oversized picture before the decoder runs, and to know the
// frame delays exactly as the file stores them. The blocks are split exactly
// where Qt's GIF decoder splits them, so both see the same frames.
#include <QByteArray>

#include <vector>

namespace korvana::online {

struct GifLayout {
    // Every block is there in full, up to the trailer or up to the end of the
    // data right after a complete block. False when a block is cut off, an
    // unknown byte stands where a block should start, or the decoder would
    // refuse an image's code size.
    bool complete = false;
    int screenWidth = 0;
    int screenHeight = 0;
    // The largest canvas the decoder may draw a frame on: the logical screen,
    // or a frame's extent (left + width, top + height) where that is larger,
    // since the decoder sizes its canvas by a frame when the screen is 0×0.
    int canvasWidth = 0;
    int canvasHeight = 0;
    // One entry per image, in hundredths of a second as stored (0 for an image
    // without a graphic control block).
    std::vector<int> delays;
};

GifLayout readGifLayout(const QByteArray& data);

}  // namespace korvana::online
