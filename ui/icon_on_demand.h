#pragma once
// An icon of picture files that are read only when the icon is first drawn or
// asked for a picture. A window system that never shows the icon (or shows it
// after the window) does not hold up the start, and no picture reader is
// loaded for it until then.
#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

namespace korvana::ui {

// files: each picture with its size in pixels, smallest first.
QIcon iconOnDemand(std::vector<std::pair<QString, QSize>> files);

}  // namespace korvana::ui
