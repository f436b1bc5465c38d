#include "artwork/pip_layout.h"

namespace korvana::artwork {

namespace {
constexpr qreal L = 0.0, C = 0.5, R = 1.0;
constexpr qreal third = 1.0 / 3, twoThirds = 2.0 / 3;
}  // namespace

std::vector<QPointF> pipPositions(int count) {
    // Each layout grows from a smaller one the way printed decks do.
    const std::vector<QPointF> corners{{L, 0}, {R, 0}, {L, 1}, {R, 1}};
    std::vector<QPointF> six = corners;
    six.insert(six.end(), {{L, 0.5}, {R, 0.5}});

    switch (count) {
        case 2: return {{C, 0}, {C, 1}};
        case 3: return {{C, 0}, {C, 0.5}, {C, 1}};
        case 4: return corners;
        case 5: {
            auto p = corners;
            p.push_back({C, 0.5});
            return p;
        }
        case 6: return six;
        case 7: {
            auto p = six;
            p.push_back({C, 0.25});
            return p;
        }
        case 8: {
            auto p = six;
            p.insert(p.end(), {{C, 0.25}, {C, 0.75}});
            return p;
        }
        case 9:
        case 10: {
            std::vector<QPointF> p;
            for (qreal x : {L, R})
                for (qreal y : {0.0, third, twoThirds, 1.0}) p.push_back({x, y});
            if (count == 9)
                p.push_back({C, 0.5});
            else
                p.insert(p.end(), {{C, 1.0 / 6}, {C, 5.0 / 6}});
            return p;
        }
        default: return {};
    }
}

}  // namespace korvana::artwork
