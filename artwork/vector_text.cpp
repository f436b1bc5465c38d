#include "artwork/vector_text.h"

#include "artwork/artwork_error.h"

#include <QFont>
#include <QTransform>

namespace korvana::artwork {

QPainterPath letterOutline(const QString& text) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("serif")});
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);  // large, so the outline keeps its detail when scaled down
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    if (path.isEmpty())
        throw ArtworkError("no installed font draws \"" + text.toStdString() + "\"");
    return path;
}

QPainterPath fitInto(const QPainterPath& outline, const QRectF& box) {
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty()) return {};
    const qreal sy = box.height() / ink.height();
    const qreal sx = qMin(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(outline);
}

}  // namespace korvana::artwork
