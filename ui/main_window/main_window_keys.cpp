// Keyboard card entry and the Undo and Redo entries of the main window; the
// table session keeps the history.
#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>

#include "ui/main_window/main_window.h"
#include "ui/status/status_message.h"
#include "ui/table/tooltip_texts.h"

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
    connect(undoAction_, &QAction::triggered, this,
            [this] { guarded([&] { showTable(session_.undo()); }); });
    connect(redoAction_, &QAction::triggered, this,
            [this] { guarded([&] { showTable(session_.redo()); }); });

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

namespace {

CardKeyMessage rejectionMessage(KeyRejection rejection) {
    switch (rejection) {
        case KeyRejection::RankFirst: return CardKeyMessage::RankFirst;
        case KeyRejection::TenUnfinished: return CardKeyMessage::TenUnfinished;
        case KeyRejection::UnknownKey: break;
    }
    return CardKeyMessage::UnknownKey;
}

}  // namespace

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
            showCardKeyMessage(rejectionMessage(outcome.rejection), outcome.keyText);
            break;
    }
    event->accept();
}

void MainWindow::showCardKeyMessage(CardKeyMessage message, const QString& detail) {
    statusMessage_->showMessage(cardKeyMessage(message, detail), StatusMessage::Duration::Passing);
}

void MainWindow::clickCard(Card card) {
    guarded([&] { showTable(session_.toggleCard(card), Pictures::First); });
}

void MainWindow::typeCard(Card card) {
    statusMessage_->clear();
    const QString code = QString::fromStdString(cardCode(card));
    switch (judgeTypedCard(hand(), card)) {
        case TypedCardVerdict::Place: clickCard(card); return;
        case TypedCardVerdict::AlreadyOnTable:
            showCardKeyMessage(CardKeyMessage::AlreadyOnTable, code);
            return;
        case TypedCardVerdict::NoRoom: showCardKeyMessage(CardKeyMessage::NoRoom, code); return;
    }
}

void MainWindow::takeLastCardOff() {
    statusMessage_->clear();
    if (const std::optional<int> slot = lastOccupiedSlot(hand()))
        clickSlot(*slot);
    else
        showCardKeyMessage(CardKeyMessage::NothingToTakeOff);
}

void MainWindow::enableHistoryActions() {
    undoAction_->setEnabled(session_.canUndo());
    redoAction_->setEnabled(session_.canRedo());
}

}  // namespace korvana::ui
