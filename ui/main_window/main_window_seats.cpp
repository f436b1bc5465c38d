// The opponents' seats of the main window and the cards seen folded: what the
// player does to them in the win strip, the Opponents window and the picker
// goes to the table session, and the table it leaves is shown like any other.
#include "ui/main_window/main_window.h"
#include "ui/table/card_picker.h"
#include "ui/win_chance/win_chance_view.h"

namespace korvana::ui {

void MainWindow::connectSeats() {
    const auto act = [this](auto action) {
        return [this, action](auto... values) {
            guarded([&] { showTable(action(session_, values...)); });
        };
    };
    connect(winChance_, &WinChanceView::opponentsChosen, this,
            act([](TableSession& s, int count) { return s.chooseOpponents(count); }));
    connect(winChance_, &WinChanceView::rangeTyped, this,
            act([](TableSession& s, int opponent, const QString& text) {
                return s.typeRange(opponent, text.toStdString());
            }));
    connect(winChance_, &WinChanceView::rangeFinished, this,
            act([](TableSession& s, int opponent) { return s.finishRange(opponent); }));
    connect(winChance_, &WinChanceView::rangeChosen, this,
            act([](TableSession& s, int opponent, const QString& text) {
                return s.chooseRange(opponent, text.toStdString());
            }));
    connect(winChance_, &WinChanceView::rangeCopied, this,
            act([](TableSession& s, int opponent) { return s.copyRangeToOthers(opponent); }));
    connect(winChance_, &WinChanceView::rangeLibraryRead, this,
            act([](TableSession& s, const RangeLibrary& library) {
                return s.useRangeLibrary(library);
            }));
    // A card seen folded is marked in the picker, and counted as dealt to nobody.
    connect(cardPicker_, &CardPicker::itemMarked, this,
            act([](TableSession& s, int item) { return s.toggleDead(pickerCard(item)); }));
}

void MainWindow::restoreStoredOpponents() {
    session_.useRangeLibrary(services_.rangeLibrary.read().library);
    guarded([&] { showTable(session_.restoreOpponents(winChance_->storedOpponents())); });
}

}  // namespace korvana::ui
