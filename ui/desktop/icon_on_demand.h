#pragma once
// Icons whose pictures are read only when the icon is first drawn or asked
// for a picture. An icon that is never shown, or shown only after the window
// is drawn, does not hold up the start, and no picture reader is loaded for
// it until then.
#include <QIcon>
#include <QSize>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QStyle;

namespace korvana::ui {

// makeIcon builds the real icon; it runs at most once, on first use.
QIcon iconOnDemand(std::function<QIcon()> makeIcon);

// An icon of picture files, each with its size in pixels.
QIcon iconOnDemand(std::vector<std::pair<QString, QSize>> files);

// The player's style, except that the overflow button every menu bar builds
// (and shows only when its menus do not fit) reads its picture on first use.
QStyle* styleWithIconsOnDemand();

}  // namespace korvana::ui
