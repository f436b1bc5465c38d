#pragma once
// Start-up of the real program, shared by main() and the tools that measure
// or photograph it, so they all start the same way.
#include <memory>

#include "ui/main_window/main_window.h"

class QApplication;

namespace korvana::ui {

// The whole start: application title, icon and style, window fonts, and the main
// window with the installed services (not yet shown).
std::unique_ptr<MainWindow> startProgram(QApplication& app);

// Application title and icon, style, window fonts.
void prepareApplication(QApplication& app);

// The services of the installed program: the player's settings store, the
// system clock, the "images" folder beside the executable, message boxes, and
// the decimal separator of the player's regional settings.
WindowServices installedServices();

}  // namespace korvana::ui
