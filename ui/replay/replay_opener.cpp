#include "ui/replay/replay_opener.h"

#include "history/amount.h"
#include "ui/main_window/main_window.h"
#include "ui/replay/replay_window.h"

namespace korvana::ui {

ReplayOpener::ReplayOpener(MainWindow* window) : QObject(window), window_(window) {
    connect(window, &MainWindow::handHistoryChosen, this, &ReplayOpener::openFile);
    connect(window, &MainWindow::handHistoryPasted, this, &ReplayOpener::openText);
}

void ReplayOpener::openFile(const QString& path) {
    shownReplay()->openFile(path);
}

void ReplayOpener::openText(const QString& text) {
    shownReplay()->openText(text);
}

ReplayWindow* ReplayOpener::shownReplay() {
    if (!replay_) {
        MainWindow* window = window_;
        const auto analyse = [window](const ReplaySpot& spot, const history::PlayedHand& hand) {
            const auto amount = [&hand](history::Amount value) {
                return value > 0
                           ? QString::fromStdString(history::amountText(value, {}, hand.decimals))
                           : QString();
            };
            window->placeSpot(QString::fromStdString(spot.text), amount(spot.pot),
                              amount(spot.toCall));
            window->raise();
            window->activateWindow();
        };
        replay_ = new ReplayWindow(
            analyse, [window] { return window->language(); }, window->decimalSeparator(), window);
    }
    replay_->show();
    replay_->raise();
    replay_->activateWindow();
    return replay_;
}

}  // namespace korvana::ui
