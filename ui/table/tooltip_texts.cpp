#include "ui/table/tooltip_texts.h"

#include <QCoreApplication>

namespace korvana::ui {

QString tooltipText(TooltipControl control) {
    switch (control) {
        case TooltipControl::PickerCard:
            return QCoreApplication::translate(
                "Tooltips",
                "Click to put this card on the table; click again to take it off. Right-click "
                "a card you saw folded: it is dead, held by no opponent in the win chance");
        case TooltipControl::PocketCardSlot:
            return QCoreApplication::translate("Tooltips",
                                               "Your pocket card. Click to take it off the table");
        case TooltipControl::FlopCardSlot:
            return QCoreApplication::translate("Tooltips",
                                               "A flop card. Click to take it off the table");
        case TooltipControl::TurnSlot:
            return QCoreApplication::translate("Tooltips",
                                               "The turn card. Click to take it off the table");
        case TooltipControl::RiverSlot:
            return QCoreApplication::translate("Tooltips",
                                               "The river card. Click to take it off the table");
        case TooltipControl::RoundSelector:
            return QCoreApplication::translate(
                "Tooltips", "The round by which the odds count: how many cards will be known then");
        case TooltipControl::RoundChosenByAutoSwitch:
            return QCoreApplication::translate(
                "Tooltips",
                "Auto-switch chooses the round from the cards on the table; turn it off to "
                "choose the round yourself");
        case TooltipControl::AutoSwitch:
            return QCoreApplication::translate(
                "Tooltips",
                "Let the round follow the cards on the table: flop below five cards, turn with "
                "five, river with six or seven");
        case TooltipControl::OddsList:
            return QCoreApplication::translate("Tooltips",
                                               "Each hand: complete, impossible, or possible with "
                                               "the odds 1:x of making it by the round");
        case TooltipControl::TransparencySlider:
            return QCoreApplication::translate("Tooltips",
                                               "How much of the desktop shows through the window");
        case TooltipControl::FontColourSlider:
            return QCoreApplication::translate("Tooltips",
                                               "Text colour of the odds list, from dark to white");
        case TooltipControl::TimePassedPanel:
            return QCoreApplication::translate("Tooltips",
                                               "Time since Korvana started, in hours and minutes");
        case TooltipControl::HandsPlayedPanel:
            return QCoreApplication::translate(
                "Tooltips", "Folds with at least two cards on the table since start");
        case TooltipControl::BestHandPanel:
            return QCoreApplication::translate("Tooltips", "The best hand completed since start");
        case TooltipControl::Fold:
            return QCoreApplication::translate("Tooltips",
                                               "Clear the table for the next hand (Ctrl+N)");
        case TooltipControl::Undo:
            return QCoreApplication::translate(
                "Tooltips",
                "Take back the last change of cards, fold, round or auto-switch (Ctrl+Z)");
        case TooltipControl::Redo:
            return QCoreApplication::translate(
                "Tooltips", "Make the change you took back again (Ctrl+Shift+Z or Ctrl+Y)");
        case TooltipControl::Copy:
            return QCoreApplication::translate(
                "Tooltips",
                "Copy the table as card codes, with the opponents and their range on a second "
                "line, for korvana-odds or another window (Ctrl+C)");
        case TooltipControl::Paste:
            return QCoreApplication::translate(
                "Tooltips",
                "Put the cards of copied text on the table, and its opponents and range if it "
                "names them (Ctrl+V)");
        case TooltipControl::HelpEntry:
            return QCoreApplication::translate("Tooltips",
                                               "Open the Korvana help pages in your web browser");
        case TooltipControl::AboutEntry:
            return QCoreApplication::translate("Tooltips",
                                               "Show what Korvana is and which version this is");
        case TooltipControl::TellAFriendEntry:
            return QCoreApplication::translate(
                "Tooltips", "Open a page in your web browser to tell a friend about Korvana");
        case TooltipControl::LicenceEntry:
            return QCoreApplication::translate("Tooltips",
                                               "Read the terms under which Korvana may be used");
        case TooltipControl::LanguageEntry:
            return QCoreApplication::translate(
                "Tooltips",
                "Show every text of the window in this language; the choice is remembered");
        case TooltipControl::ExactChancesEntry:
            return QCoreApplication::translate("Tooltips",
                                               "Show the exact chance of each hand under the odds "
                                               "list, with its outs on the cards");
        case TooltipControl::HighContrastLights: break;
    }
    return QCoreApplication::translate("Tooltips",
                                       "Lights that colour-blind players tell apart, with readable "
                                       "text and a symbol for each state");
}

QString menuEntryText(MenuEntry entry) {
    switch (entry) {
        case MenuEntry::Edit: return QCoreApplication::translate("Tooltips", "&Edit");
        case MenuEntry::Undo: return QCoreApplication::translate("Tooltips", "Undo");
        case MenuEntry::Redo: return QCoreApplication::translate("Tooltips", "Redo");
        case MenuEntry::Copy: return QCoreApplication::translate("Tooltips", "Copy");
        case MenuEntry::Paste: return QCoreApplication::translate("Tooltips", "Paste");
        case MenuEntry::HighContrastLights: break;
    }
    return QCoreApplication::translate("Tooltips", "High-contrast lights");
}

QString cardName(Card card) {
    static constexpr const char* kRanks[] = {
        QT_TRANSLATE_NOOP("Tooltips", "Two"),   QT_TRANSLATE_NOOP("Tooltips", "Three"),
        QT_TRANSLATE_NOOP("Tooltips", "Four"),  QT_TRANSLATE_NOOP("Tooltips", "Five"),
        QT_TRANSLATE_NOOP("Tooltips", "Six"),   QT_TRANSLATE_NOOP("Tooltips", "Seven"),
        QT_TRANSLATE_NOOP("Tooltips", "Eight"), QT_TRANSLATE_NOOP("Tooltips", "Nine"),
        QT_TRANSLATE_NOOP("Tooltips", "Ten"),   QT_TRANSLATE_NOOP("Tooltips", "Jack"),
        QT_TRANSLATE_NOOP("Tooltips", "Queen"), QT_TRANSLATE_NOOP("Tooltips", "King"),
        QT_TRANSLATE_NOOP("Tooltips", "Ace")};
    // The suit as it follows the rank: "of hearts" in English, the genitive
    // "червей" in Russian.
    static constexpr const char* kSuits[] = {
        QT_TRANSLATE_NOOP("Tooltips", "clubs"), QT_TRANSLATE_NOOP("Tooltips", "diamonds"),
        QT_TRANSLATE_NOOP("Tooltips", "hearts"), QT_TRANSLATE_NOOP("Tooltips", "spades")};
    const auto rank = static_cast<size_t>(card.rank - 2);
    const auto suit = suitIndex(card.suit);
    //: A card's name: %1 the rank, %2 the suit.
    return QCoreApplication::translate("Tooltips", "%1 of %2")
        .arg(QCoreApplication::translate("Tooltips", kRanks[rank]),
             QCoreApplication::translate("Tooltips", kSuits[suit]));
}

QString pickerCardTooltip(Card card) {
    return cardName(card) + QStringLiteral(". ") + tooltipText(TooltipControl::PickerCard);
}

}  // namespace korvana::ui
