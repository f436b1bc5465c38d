// Keyboard card entry of the main window.
#include <QAction>
#include <QKeyEvent>

#include "main_window.h"
#include "status_message.h"
#include "tooltip_texts.h"

namespace korvana::ui {

void MainWindow::createCardEntry() {
    foldAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    createEditMenu();

    // Over the time-passed, hands-played and best-hand panels: the widest
    // stretch of the bar that no slider lies on.
    statusMessage_ = new StatusMessage(client_);
    statusMessage_->setObjectName(QStringLiteral("statusMessage"));
    const QRect bestHand = statusPanels_->panelRect(StatusPanel::BestHand);
    statusMessage_->setGeometry(statusPanels_->x(), statusPanels_->y(), bestHand.right() + 1,
                                statusPanels_->height());
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

}  // namespace korvana::ui
