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

// Writes the pixels of image as they lie in memory, row after row with
// nothing between or around them, the same safe way. For pictures that a
// program shows straight from its own data, without unpacking them.
void saveRawPixels(const QImage& image, const QString& path);

}  // namespace korvana::artwork
