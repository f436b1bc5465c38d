#pragma once
// The site's 8-bit texts (banner link texts, the version document) are
// Windows-1251: ASCII below 0x80, Cyrillic and punctuation above.
#include <QByteArray>
#include <QString>

namespace korvana::online {

// Every byte becomes one character; the one byte the code page leaves unused
// (0x98) becomes the control character U+0098, as the usual converters do.
QString fromWindows1251(const QByteArray& bytes);

}  // namespace korvana::online
