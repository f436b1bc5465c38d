#pragma once
// Where a window keeps room for what the online services show: the
// new-version notice and the four banners (client-area pixels).
#include <QRect>

#include <array>

namespace korvana::ui {

struct OnlinePlaces {
    QRect notice;
    // Banner n (1..4) at [n - 1]; all 60 high, banner 4 is the leftmost.
    std::array<QRect, 4> banners;
};

}  // namespace korvana::ui
