#pragma once
// Where the main window keeps room for what the online services show: the
// new-version notice above the strip and the four banners along the bottom,
// just above the status bar (client-area pixels).
#include <QRect>

#include <array>

namespace korvana::ui {

struct OnlinePlaces {
    QRect notice;
    // Banner n (1..4) at [n - 1]; all 60 high, banner 4 is the leftmost.
    std::array<QRect, 4> banners;
};

inline constexpr OnlinePlaces kMainWindowOnlinePlaces{
    QRect(662, 400, 240, 15),
    {QRect(214, 424, 230, 60), QRect(449, 424, 230, 60), QRect(684, 424, 230, 60),
     QRect(8, 424, 185, 60)}};

}  // namespace korvana::ui
