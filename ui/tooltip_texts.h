#pragma once
// The tooltips of the main window's controls, in both languages.
#include <QString>
#include <array>

#include "card.h"
#include "language.h"

namespace korvana::ui {

enum class TooltipControl {
    PickerCard,
    PocketCardSlot,
    FlopCardSlot,
    TurnSlot,
    RiverSlot,
    RoundSelector,
    AutoSwitch,
    OddsList,
    TransparencySlider,
    FontColourSlider,
    TimePassedPanel,
    HandsPlayedPanel,
    BestHandPanel,
    Fold,
    KeyboardEntry,  // the menu entry that explains typing cards
    Undo,
    Redo,
    HighContrastLights,
    // The other menu entries.
    HelpEntry,
    AboutEntry,
    TellAFriendEntry,
    LicenceEntry,
    LanguageEntry,
    ExactChancesEntry,
};

inline constexpr std::array<TooltipControl, 24> kAllTooltipControls = {
    TooltipControl::PickerCard,
    TooltipControl::PocketCardSlot,
    TooltipControl::FlopCardSlot,
    TooltipControl::TurnSlot,
    TooltipControl::RiverSlot,
    TooltipControl::RoundSelector,
    TooltipControl::AutoSwitch,
    TooltipControl::OddsList,
    TooltipControl::TransparencySlider,
    TooltipControl::FontColourSlider,
    TooltipControl::TimePassedPanel,
    TooltipControl::HandsPlayedPanel,
    TooltipControl::BestHandPanel,
    TooltipControl::Fold,
    TooltipControl::KeyboardEntry,
    TooltipControl::Undo,
    TooltipControl::Redo,
    TooltipControl::HighContrastLights,
    TooltipControl::HelpEntry,
    TooltipControl::AboutEntry,
    TooltipControl::TellAFriendEntry,
    TooltipControl::LicenceEntry,
    TooltipControl::LanguageEntry,
    TooltipControl::ExactChancesEntry,
};

QString tooltipText(Language language, TooltipControl control);

// Captions of the menu entries that come with keyboard entry, undo and the
// high-contrast lights.
enum class MenuEntry { TypingCards, Undo, Redo, HighContrastLights };
QString menuEntryText(Language language, MenuEntry entry);

// The name of a card as a player says it: "Ace of hearts", "Туз червей".
QString cardName(Language language, Card card);

// A picker card's tooltip: its name, then what a click does.
QString pickerCardTooltip(Language language, Card card);

}  // namespace korvana::ui
