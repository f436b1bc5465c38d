// The File menu of the main window and files dropped on it: hand histories,
// which the replay opens; and a spot the replay sends back.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "ui/main_window/main_window.h"
#include "ui/win_chance/pot_odds_fields.h"

namespace korvana::ui {

void MainWindow::createFileMenu() {
    fileMenu_ = menuBar()->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    openHistoryAction_ = fileMenu_->addAction(QString());
    openHistoryAction_->setObjectName(QStringLiteral("openHandHistoryAction"));
    openHistoryAction_->setShortcut(QKeySequence::Open);
    // The key works while the menu is closed.
    addAction(openHistoryAction_);
    connect(openHistoryAction_, &QAction::triggered, this, &MainWindow::chooseHandHistory);
    setAcceptDrops(true);
}

void MainWindow::setFileMenuCaptions() {
    fileMenu_->setTitle(tr("&File"));
    openHistoryAction_->setText(tr("Open hand history…"));
    openHistoryAction_->setToolTip(
        tr("Replays the hands of a hand-history file, with your equity on every street"));
}

void MainWindow::chooseHandHistory() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open hand history"), QString(),
                                                      tr("Hand histories (*.txt);;All files (*)"));
    if (!path.isEmpty()) Q_EMIT handHistoryChosen(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    Q_EMIT handHistoryChosen(urls.first().toLocalFile());
}

void MainWindow::placeSpot(const QString& spotText, const QString& pot, const QString& call) {
    if (!placeSpotText(spotText.toStdString())) return;
    potOdds_->placeAmounts(pot, call);
}

QString MainWindow::potOddsVerdict() const {
    return potOdds_->verdictText();
}

}  // namespace korvana::ui
