#pragma once
// What the main window needs from outside: where settings live, what time it
// is, where the card pictures are, how failures are shown and which decimal
// separator the player uses. The program passes the real ones; tests pass
// their own.
#include <QString>

#include "settings/settings_store.h"
#include "ui/common/error_reporter.h"
#include "ui/main_window/text_clipboard.h"
#include "ui/ranges/range_library_file.h"
#include "ui/status/clock.h"

namespace korvana::ui {

struct WindowServices {
    SettingsStore settings;
    Clock clock;
    // Folder holding <card code>.jpg and nocard.jpg, ending in a separator.
    QString pictureFolder;
    // Empty means message boxes over the window.
    ErrorReporter reportError;
    // Written into the odds numbers, e.g. "." or ",".
    QString decimalSeparator = QStringLiteral(".");
    // Where Copy and Paste put and take their text.
    TextClipboard clipboard = systemClipboard();
    // The named ranges; none but the built-in ones without a file.
    RangeLibraryFile rangeLibrary = RangeLibraryFile();
};

}  // namespace korvana::ui
