#include "card_faces.h"

#include "artwork_names.h"

namespace korvana {

QString cardFaceResource(const QString& code, int pixelRatio)
{
    return withPixelRatio(QStringLiteral(":/faces/%1.png").arg(code), pixelRatio);
}

QString appIconResource(int size)
{
    return QStringLiteral(":/icons/korvana-%1.png").arg(size);
}

}  // namespace korvana
