#pragma once
// The small card faces on the buttons of the card picker.
#include "artwork/deck.h"

#include <QImage>
#include <QSize>

namespace korvana::artwork {

inline constexpr QSize kFaceSize{36, 51};

// One face, kFaceSize layout pixels at pixelRatio device pixels each,
// transparent outside its rounded corners. Only the rank and the suit, drawn
// large: at this size anything more turns to noise.
QImage paintCardFace(const CardArt& card, int pixelRatio = 1);

}  // namespace korvana::artwork
