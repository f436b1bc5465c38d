// The Edit menu of the main window: Undo and Redo (the table session keeps
// the history), and Copy and Paste of the spot as text.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "engine/table/spot_text.h"
#include "ui/main_window/hand_history_text.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/paste_text.h"
#include "ui/status/status_message.h"
#include "ui/table/tooltip_texts.h"

namespace korvana::ui {

void MainWindow::createEditMenu() {
    // Next to Fold on the menu bar.
    editMenu_ = menuBar()->addMenu(QString());
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    editMenu_->setToolTipsVisible(true);
    const auto entry = [this](const char* name, const QList<QKeySequence>& keys) {
        QAction* action = editMenu_->addAction(QString());
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        // The keys work while the menu is closed, whichever control has the focus.
        this->addAction(action);
        return action;
    };
    undoAction_ = entry("undoAction", {QKeySequence::Undo});
    redoAction_ = entry("redoAction", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                       QKeySequence(Qt::CTRL | Qt::Key_Y)});
    editMenu_->addSeparator();
    copyAction_ = entry("copyAction", {QKeySequence::Copy});
    pasteAction_ = entry("pasteAction", {QKeySequence::Paste});
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(undoAction_, &QAction::triggered, this,
            [this] { guarded([&] { showTable(session_.undo()); }); });
    connect(redoAction_, &QAction::triggered, this,
            [this] { guarded([&] { showTable(session_.redo()); }); });
    connect(copyAction_, &QAction::triggered, this, &MainWindow::copySpot);
    connect(pasteAction_, &QAction::triggered, this, &MainWindow::pasteSpot);
}

void MainWindow::setCardEntryCaptions() {
    editMenu_->setTitle(menuEntryText(MenuEntry::Edit));
    const std::array<std::tuple<QAction*, MenuEntry, TooltipControl>, 4> entries{{
        {undoAction_, MenuEntry::Undo, TooltipControl::Undo},
        {redoAction_, MenuEntry::Redo, TooltipControl::Redo},
        {copyAction_, MenuEntry::Copy, TooltipControl::Copy},
        {pasteAction_, MenuEntry::Paste, TooltipControl::Paste},
    }};
    for (const auto& [action, entry, tooltip] : entries) {
        action->setText(menuEntryText(entry));
        action->setToolTip(tooltipText(tooltip));
    }
}

void MainWindow::enableHistoryActions() {
    undoAction_->setEnabled(session_.canUndo());
    redoAction_->setEnabled(session_.canRedo());
}

void MainWindow::copySpot() {
    services_.clipboard.write(QString::fromStdString(
        spotText(hand(), session_.table().opponents.countedTexts(), session_.table().dead)));
}

// Text that does not read changes nothing: the cards, the opponents and the
// ranges all read before any of them is taken. A copied hand history goes to
// the replay instead.
void MainWindow::pasteSpot() {
    const QString text = services_.clipboard.read();
    if (readsAsHandHistory(text.toStdString())) {
        statusMessage_->clear();
        Q_EMIT handHistoryPasted(text);
        return;
    }
    placeSpotText(text.toStdString());
}

bool MainWindow::placeSpotText(const std::string& text) {
    statusMessage_->clear();
    const auto read = readSpotText(text);
    if (const auto* error = std::get_if<SpotTextError>(&read)) {
        statusMessage_->showMessage(pasteProblemText(*error), StatusMessage::Duration::Passing);
        return false;
    }
    const auto placed = session_.placeSpot(std::get<PastedSpot>(read));
    if (const auto* error = std::get_if<RangeError>(&placed)) {
        statusMessage_->showMessage(pastedRangeProblemText(language_, *error),
                                    StatusMessage::Duration::Passing);
        return false;
    }
    cardKeys_.clear();
    guarded([&] { showTable(std::get<TableUpdate>(placed), Pictures::First); });
    return true;
}

}  // namespace korvana::ui
