#pragma once
// The tooltips of the main window's controls, a few menu entries and the
// names of the cards, in the language of the installed translation.
#include <QString>
#include <array>

#include "engine/cards/card.h"

namespace korvana::ui {

enum class TooltipControl {
    PickerCard,
    PocketCardSlot,
    FlopCardSlot,
    TurnSlot,
    RiverSlot,
    RoundSelector,
    RoundChosenByAutoSwitch,  // the round selector while auto-switch is on
    AutoSwitch,
    OddsList,
    TransparencySlider,
    FontColourSlider,
    TimePassedPanel,
    HandsPlayedPanel,
    BestHandPanel,
    Fold,
    Undo,
    Redo,
    Copy,
    Paste,
    HighContrastLights,
    // The other menu entries.
    HelpEntry,
    AboutEntry,
    TellAFriendEntry,
    LicenceEntry,
    LanguageEntry,
    ExactChancesEntry,
};

inline constexpr std::array<TooltipControl, 26> kAllTooltipControls = {
    TooltipControl::PickerCard,
    TooltipControl::PocketCardSlot,
    TooltipControl::FlopCardSlot,
    TooltipControl::TurnSlot,
    TooltipControl::RiverSlot,
    TooltipControl::RoundSelector,
    TooltipControl::RoundChosenByAutoSwitch,
    TooltipControl::AutoSwitch,
    TooltipControl::OddsList,
    TooltipControl::TransparencySlider,
    TooltipControl::FontColourSlider,
    TooltipControl::TimePassedPanel,
    TooltipControl::HandsPlayedPanel,
    TooltipControl::BestHandPanel,
    TooltipControl::Fold,
    TooltipControl::Undo,
    TooltipControl::Redo,
    TooltipControl::Copy,
    TooltipControl::Paste,
    TooltipControl::HighContrastLights,
    TooltipControl::HelpEntry,
    TooltipControl::AboutEntry,
    TooltipControl::TellAFriendEntry,
    TooltipControl::LicenceEntry,
    TooltipControl::LanguageEntry,
    TooltipControl::ExactChancesEntry,
};

QString tooltipText(TooltipControl control);

// Captions of the Edit menu and its entries, and of the high-contrast lights entry.
enum class MenuEntry { Edit, Undo, Redo, Copy, Paste, HighContrastLights };
QString menuEntryText(MenuEntry entry);

// The name of a card as a player says it: "Ace of hearts", "Туз червей".
QString cardName(Card card);

// A picker card's tooltip: its name, then what a click does.
QString pickerCardTooltip(Card card);

}  // namespace korvana::ui
