#include "ui/status/clock.h"

namespace korvana::ui {

Clock systemClock() {
    return [] { return QDateTime::currentDateTime(); };
}

}  // namespace korvana::ui
