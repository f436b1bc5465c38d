#pragma once
// The language of the window texts. Every window text is written in English
// in the code (tr(), or QCoreApplication::translate where no QObject is at
// hand); translations/korvana_<code>.ts holds the other languages, compiled
// into the program at build time. A Translation installs the program's
// translator and Qt's own (standard buttons, line-edit menus, command-line
// help) into the application, and widgets follow through the LanguageChange
// event, retranslating in changeEvent.
//
// The engine's texts (odds rows, best hand, exact chances) are not among
// them: they come from the engine's catalogue in the language asked for.
#include <QString>
#include <memory>

#include "engine/text/language.h"

class QTranslator;

namespace korvana::ui {

class Translation {
public:
    Translation();   // English: the source texts, nothing installed
    ~Translation();  // takes out what it installed
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Puts the translators of language in place of the previous ones; false
    // when that language is already in use, so nothing changed. Otherwise
    // every widget has had its LanguageChange event by the time this returns.
    // A value outside Language reads as English.
    bool use(Language language);
    Language language() const { return language_; }

private:
    void takeOut();

    Language language_ = Language::English;
    std::unique_ptr<QTranslator> own_;  // the program's texts
    std::unique_ptr<QTranslator> qt_;   // Qt's texts, when the system has them
};

}  // namespace korvana::ui
