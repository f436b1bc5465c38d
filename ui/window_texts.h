#pragma once
// The texts of the windows in each language: menus, captions, status panels,
// the title bar, the new-version notice and the licence file of each language.
// The odds rows and the best-hand text come from the engine's own table.
#include <QString>

#include "language.h"

namespace korvana::ui {

enum class WindowText {
    TimePassed,
    HandsPlayed,
    Transparency,
    FontColour,
    Help,
    About,
    TellAFriend,
    Licence,
    Languages,
    Fold,
    OddsToImprove,
    PocketCards,
    Flop,
    Turn,
    River,
    AutoSwitch,
    NewVersionAvailable,
};

QString windowText(Language language, WindowText text);

// The text followed by ": ", the form of every status panel label.
QString panelLabel(Language language, WindowText text);

// The main window's title, with the program version.
QString windowCaption(Language language);

// The licence text of a language, a file name looked up beside the program.
QString licenceFileName(Language language);

// Shown on the task bar and as the title of error message boxes.
inline const QString kApplicationTitle = QStringLiteral("Korvana");

// Each language names itself, whichever language is active.
QString languageName(Language language);

}  // namespace korvana::ui
