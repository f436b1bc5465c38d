// Keyboard card entry and the undo history of the main window. The table
// handlers in main_window.cpp record each change; this file answers the keys
// and the Undo and Redo entries.
#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSignalBlocker>

#include "main_window.h"
#include "picture_loader.h"
#include "radio_group.h"
#include "status_message.h"
#include "tooltip_texts.h"

namespace korvana::ui {

void MainWindow::createCardEntry() {
    foldAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

    // Next to Fold, as direct entries of the menu bar like Fold itself.
    undoAction_ = menuBar()->addAction(QString());
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = menuBar()->addAction(QString());
    redoAction_->setObjectName(QStringLiteral("redoAction"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(undoAction_, &QAction::triggered, this, [this] { stepHistory(HistoryStep::Back); });
    connect(redoAction_, &QAction::triggered, this, [this] { stepHistory(HistoryStep::Forward); });

    // Over the time-passed, hands-played and best-hand panels: the widest
    // stretch of the bar that no slider lies on.
    statusMessage_ = new StatusMessage(client_);
    statusMessage_->setObjectName(QStringLiteral("statusMessage"));
    const QRect bestHand = statusPanels_->panelRect(StatusPanel::BestHand);
    statusMessage_->setGeometry(statusPanels_->x(), statusPanels_->y(), bestHand.right() + 1,
                                statusPanels_->height());
}

void MainWindow::setCardEntryCaptions() {
    undoAction_->setText(menuEntryText(MenuEntry::Undo));
    redoAction_->setText(menuEntryText(MenuEntry::Redo));
    undoAction_->setToolTip(tooltipText(TooltipControl::Undo));
    redoAction_->setToolTip(tooltipText(TooltipControl::Redo));
}

QString MainWindow::statusMessage() const {
    return statusMessage_->text();
}

// --- Keys -----------------------------------------------------------------------

// Controls that have the focus keep the keys they use (the sliders' arrows,
// the check box's space); every other key comes up to the window.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const KeyOutcome outcome = cardKeys_.press(keyPressOf(*event));
    switch (outcome.effect) {
        case KeyEffect::Ignored: QMainWindow::keyPressEvent(event); return;
        case KeyEffect::RankTyped:
            statusMessage_->showMessage(
                cardKeyMessage(CardKeyMessage::HalfTyped, cardKeys_.halfTypedRank()),
                StatusMessage::Duration::UntilCleared);
            break;
        case KeyEffect::CardTyped: typeCard(*outcome.card); break;
        case KeyEffect::TakeLastCardOff: takeLastCardOff(); break;
        case KeyEffect::HalfTypedCleared: statusMessage_->clear(); break;
        case KeyEffect::Fold: foldAction_->trigger(); break;
        case KeyEffect::Rejected:
            showCardKeyMessage(outcome.rejection == KeyRejection::RankFirst
                                   ? CardKeyMessage::RankFirst
                                   : CardKeyMessage::UnknownKey,
                               outcome.keyText);
            break;
    }
    event->accept();
}

void MainWindow::showCardKeyMessage(CardKeyMessage message, const QString& detail) {
    statusMessage_->showMessage(cardKeyMessage(message, detail), StatusMessage::Duration::Passing);
}

void MainWindow::clickCard(Card card) {
    guarded([&] {
        toggleCard(card);
        recordChange();
    });
}

void MainWindow::typeCard(Card card) {
    statusMessage_->clear();
    const QString code = QString::fromStdString(cardCode(card));
    switch (judgeTypedCard(table_.hand(), card)) {
        case TypedCardVerdict::Place: clickCard(card); return;
        case TypedCardVerdict::AlreadyOnTable:
            showCardKeyMessage(CardKeyMessage::AlreadyOnTable, code);
            return;
        case TypedCardVerdict::NoRoom: showCardKeyMessage(CardKeyMessage::NoRoom, code); return;
    }
}

void MainWindow::takeLastCardOff() {
    statusMessage_->clear();
    if (const std::optional<int> slot = lastOccupiedSlot(table_.hand()))
        clickSlot(*slot);
    else
        showCardKeyMessage(CardKeyMessage::NothingToTakeOff);
}

// --- Undo and redo ----------------------------------------------------------------

TableSnapshot MainWindow::tableNow() const {
    return {table_.hand(), table_.handsPlayed(), bestCategory_, round_,
            autoSwitchBox_->isChecked()};
}

void MainWindow::recordChange() {
    if (!history_) return;
    history_->record(tableNow());
    enableHistoryActions();
}

void MainWindow::enableHistoryActions() {
    undoAction_->setEnabled(history_ && history_->canUndo());
    redoAction_->setEnabled(history_ && history_->canRedo());
}

void MainWindow::stepHistory(HistoryStep step) {
    if (!history_) return;
    const bool back = step == HistoryStep::Back;
    const std::optional<TableSnapshot> snapshot = back ? history_->undo() : history_->redo();
    if (!snapshot) return;
    bool taken = false;
    guarded([&] {
        // The stored auto-switch changes as a click on the box would change it,
        // and first: a store that refuses it leaves the table as it was.
        if (autoSwitchBox_->isChecked() != snapshot->autoSwitch)
            setAutoSwitch(snapshot->autoSwitch);
        taken = true;
        showTable(*snapshot);
    });
    if (!taken) back ? history_->redo() : history_->undo();
    enableHistoryActions();
}

void MainWindow::showTable(const TableSnapshot& snapshot) {
    table_.restore(snapshot.hand, snapshot.handsPlayed);
    autoSwitchBox_->setChecked(snapshot.autoSwitch);
    round_ = snapshot.round;
    {
        const QSignalBlocker quiet(roundSelector_);
        roundSelector_->setItemIndex(static_cast<int>(round_));
    }
    // The pass starts from the best hand of that moment, so it comes back too.
    bestCategory_ = snapshot.best;
    showAnalysis();
    showHandsPlayed();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::optional<Card> card = table_.hand().card(slot);
        loadSlotPicture(slot, card ? cardPicturePath(services_.pictureFolder,
                                                     QString::fromStdString(cardCode(*card)))
                                   : emptySlotPicturePath(services_.pictureFolder));
    }
}

}  // namespace korvana::ui
