#pragma once
// Letters as outlines, placed by their inked shape rather than by font metrics,
// so an index sits in the same spot whatever font the system resolves.
#include <QPainterPath>
#include <QString>

namespace korvana::artwork {

// Outline of text in the bold serif used on the cards. Throws ArtworkError when
// no installed font draws it: a deck without ranks must never be written.
QPainterPath letterOutline(const QString& text);

// Scales outline so that its inked height equals box's height, narrows it further
// if it is then wider than box, and centres it in box.
QPainterPath fitInto(const QPainterPath& outline, const QRectF& box);

}  // namespace korvana::artwork
