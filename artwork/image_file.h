#pragma once
// Saving one picture safely.
#include <QImage>
#include <QString>

namespace korvana::artwork {

// Writes image to path in format ("jpeg" or "png"), creating missing folders.
// Goes through a temporary file that replaces path only when complete.
// Throws ArtworkError with the path and the reason on any failure.
// quality: the writer's quality, 0..100, or -1 for the format's own default.
void saveImage(const QImage& image, const QString& path, const char* format, int quality = 95);

// Writes image (32-bit ARGB, alpha not multiplied in) the same safe way as
// its colours and one colour number per pixel, for a picture that a program
// shows straight from its own data without unpacking it: the number of
// colours (32 bits), the colours (32 bits each), then one byte per pixel, row
// after row, nothing between or around them; all in this machine's byte
// order. Throws ArtworkError for a picture of more than 256 colours.
void saveColourNumbers(const QImage& image, const QString& path);

}  // namespace korvana::artwork
