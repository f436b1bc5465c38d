#pragma once
// One plan of the main window: every place in it, in client pixels at 96 dpi.
// The layout hands each part its place, so no widget knows another's pixels.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

#include "online_places.h"

namespace korvana::ui {

struct WindowPlan {
    QSize client;
    // The captions over the pocket cards, flop, turn and river, each
    // underlined by a one-pixel line at captionLine.
    std::array<QRect, 4> groupCaptions;
    int captionLine;
    // The seven slots, left to right.
    std::array<QPoint, 7> slotCorners;
    QSize slotSize;
    QRect winChance;  // the strip above the card table
    QRect cardPicker;
    QRect foldButton;
    QRect roundSelector;
    QRect autoSwitchBox;
    QRect oddsList;
    QRect exactPanel;  // under the odds list
    OnlinePlaces online;
    QRect statusPanels;
    // Over the right part of the transparency and font-colour panels, whose
    // texts serve as their captions.
    QRect transparencySlider;
    QRect fontColourSlider;
};

inline constexpr WindowPlan kWindowPlan{
    .client = {924, 508},
    .groupCaptions =
        {{{11, 30, 169, 15}, {203, 30, 258, 15}, {481, 30, 80, 15}, {573, 30, 80, 15}}},
    .captionLine = 46,
    .slotCorners = {{{8, 50}, {97, 50}, {200, 50}, {289, 50}, {378, 50}, {478, 51}, {570, 50}}},
    .slotSize = {86, 123},
    .winChance = {8, 4, 648, 22},
    .cardPicker = {8, 180, 600, 240},
    .foldButton = {610, 178, 46, 240},
    .roundSelector = {662, -2, 220, 34},
    .autoSwitchBox = {662, 34, 230, 15},
    .oddsList = {662, 50, 252, 164},
    .exactPanel = {662, 218, 252, 178},
    // The new-version notice under the exact panel; banner 4 is the leftmost.
    .online =
        {{662, 400, 240, 15},
         {{{214, 424, 230, 60}, {449, 424, 230, 60}, {684, 424, 230, 60}, {8, 424, 185, 60}}}},
    .statusPanels = {0, 488, 924, 20},
    .transparencySlider = {542, 490, 100, 20},
    .fontColourSlider = {730, 490, 100, 20},
};

}  // namespace korvana::ui
