#pragma once
// The texts of the main window: menus, captions, status-panel labels and the
// title bar, in the language of the installed translation (translation.h).
// Besides them, the few names that are the same in every language, and the
// licence file of each language. The odds rows and the best-hand text come
// from the engine's own catalogue.
#include <QString>

#include "engine/text/language.h"

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

QString windowText(WindowText text);

// The text followed by ": ", the form of every status panel label.
QString panelLabel(WindowText text);

// The main window's title, with the program version.
QString windowCaption();

// The licence text of a language, a file name looked up beside the program.
QString licenceFileName(Language language);

// Shown on the task bar and as the title of error message boxes.
inline const QString kApplicationTitle = QStringLiteral("Korvana");

// Each language names itself, whichever language is active, so these are
// never translated.
QString languageName(Language language);

}  // namespace korvana::ui
