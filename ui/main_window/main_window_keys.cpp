// Keyboard card entry of the main window.
#include <QAbstractSpinBox>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/main_window/main_window.h"
#include "ui/status/status_message.h"
#include "ui/table/tooltip_texts.h"

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
    keepKeysOnTable();
}

// Typed cards, Copy and Paste belong to the table unless a text box is being
// edited: a click on the table or an empty part of the window takes the focus
// there, and so do Escape and Return in a box, and a click on the spin box's
// arrows (which the box would otherwise keep, its number selected).
void MainWindow::keepKeysOnTable() {
    client_->setFocusPolicy(Qt::ClickFocus);
    for (QAbstractSpinBox* box : findChildren<QAbstractSpinBox*>())
        box->setFocusPolicy(Qt::TabFocus);
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(this);
}

void MainWindow::focusTable() {
    client_->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            focusTable();
            return true;
        }
        // The box takes its Return first (the amount is kept), then the table the keys.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) focusTable();
    }
    return QMainWindow::eventFilter(watched, event);
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
