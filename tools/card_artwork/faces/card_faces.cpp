#include "card_faces.h"

namespace korvana {

QString cardFaceResource(const QString& code)
{
    return QStringLiteral(":/faces/%1.png").arg(code);
}

QString appIconResource(int size)
{
    return QStringLiteral(":/icons/korvana-%1.png").arg(size);
}

}  // namespace korvana
