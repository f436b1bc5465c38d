#include "ui/ranges/opponent_ranges_window.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QToolButton>

#include <algorithm>

#include "engine/equity/equity.h"
#include "ui/ranges/range_texts.h"

namespace korvana::ui {

namespace {

// Room for a range of several pieces; the box scrolls beyond it.
constexpr int kRangeWidth = 260;

}  // namespace

OpponentRangesWindow::OpponentRangesWindow(Language language, QString decimalSeparator,
                                           QWidget* parent)
    : QDialog(parent), language_(language), decimalSeparator_(std::move(decimalSeparator)) {
    setObjectName(QStringLiteral("opponentRangesWindow"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    for (int opponent = 0; opponent <= kMaxOpponents; ++opponent) {
        const QString number = opponent == 0 ? QStringLiteral("You") : QString::number(opponent);
        Row row{new QLabel(this),      new QLineEdit(this),   new QLabel(this), new QLabel(this),
                new QToolButton(this), new QToolButton(this), std::nullopt,     0,
                std::nullopt};
        row.range->setObjectName(opponent == 0 ? QStringLiteral("heroRange")
                                               : QStringLiteral("opponentRange") + number);
        row.range->setMinimumWidth(kRangeWidth);
        row.range->setMaxLength(static_cast<int>(kMaxRangeCharacters));
        // Cards may be typed with suit symbols, which the window's fonts may
        // lack; the box takes them from another font then.
        QFont symbols = row.range->font();
        symbols.setStyleStrategy(QFont::PreferDefault);
        row.range->setFont(symbols);
        row.caption->setBuddy(row.range);
        row.share->setObjectName(opponent == 0 ? QStringLiteral("heroShare")
                                               : QStringLiteral("opponentShare") + number);
        row.figure->setObjectName(opponent == 0 ? QStringLiteral("heroFigure")
                                                : QStringLiteral("opponentFigure") + number);
        row.grid->setObjectName(opponent == 0 ? QStringLiteral("heroGrid")
                                              : QStringLiteral("opponentGrid") + number);
        row.copy->setObjectName(QStringLiteral("opponentCopy") + number);
        const int line = opponent;
        grid->addWidget(row.caption, line, 0);
        grid->addWidget(row.range, line, 1);
        grid->addWidget(row.share, line, 2);
        grid->addWidget(row.figure, line, 3);
        grid->addWidget(row.grid, line, 4);
        grid->addWidget(row.copy, line, 5);
        connect(row.range, &QLineEdit::textEdited, this,
                [this, opponent](const QString& text) { Q_EMIT rangeEdited(opponent, text); });
        connect(row.range, &QLineEdit::textChanged, this,
                [this, opponent] { showTooltip(opponent); });
        connect(row.range, &QLineEdit::editingFinished, this,
                [this, opponent] { Q_EMIT rangeDone(opponent); });
        connect(row.grid, &QToolButton::clicked, this,
                [this, opponent] { Q_EMIT gridRequested(opponent); });
        connect(row.copy, &QToolButton::clicked, this,
                [this, opponent] { Q_EMIT copyToOthers(opponent); });
        rows_.push_back(row);
        setCombinations(opponent, kPocketCardPairs);
    }
    rows_.front().copy->hide();
    showHeroRow(false);
    grid->setColumnStretch(1, 1);
    retranslate();
}

// A box losing its focus as the window goes says it is finished; by then
// this window is no longer one to say so for it.
OpponentRangesWindow::~OpponentRangesWindow() {
    for (const Row& r : rows_) r.range->disconnect(this);
}

void OpponentRangesWindow::setLanguage(Language language) {
    language_ = language;
    for (int opponent = 0; opponent <= kMaxOpponents; ++opponent) showTooltip(opponent);
}

void OpponentRangesWindow::showHeroRow(bool shown) {
    Row& r = row(0);
    for (QWidget* part : {static_cast<QWidget*>(r.caption), static_cast<QWidget*>(r.range),
                          static_cast<QWidget*>(r.share), static_cast<QWidget*>(r.grid)})
        part->setVisible(shown);
}

void OpponentRangesWindow::setOpponents(int opponents) {
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        const bool playing = opponent <= opponents;
        Row& r = row(opponent);
        for (QWidget* part : {static_cast<QWidget*>(r.caption), static_cast<QWidget*>(r.share),
                              static_cast<QWidget*>(r.figure)})
            part->setEnabled(playing);
    }
}

void OpponentRangesWindow::setRangeText(int opponent, const QString& text) {
    row(opponent).range->setText(text);  // textEdited comes from the player alone
}

QString OpponentRangesWindow::rangeText(int opponent) const {
    return row(opponent).range->text();
}

void OpponentRangesWindow::setCombinations(int opponent, double combinations) {
    Row& r = row(opponent);
    r.combinations = combinations;
    r.share->setText(opponent == 0 && combinations == 0
                         ? QString()
                         : rangeShareText(combinations, decimalSeparator_));
}

void OpponentRangesWindow::markRange(int opponent, const std::optional<RangeError>& problem) {
    Row& r = row(opponent);
    r.problem = problem;
    r.range->setStyleSheet(problem ? QStringLiteral("QLineEdit { border: 1px solid red; }")
                                   : QString());
    showTooltip(opponent);
}

void OpponentRangesWindow::setFigure(int opponent, const std::optional<WinChanceFigure>& figure) {
    row(opponent).shown = figure;
    showFigure(opponent);
}

void OpponentRangesWindow::setFiguresCurrent(bool current) {
    for (Row& r : rows_) {
        QPalette palette = r.figure->palette();
        palette.setColor(QPalette::WindowText,
                         r.share->palette().color(current ? QPalette::Active : QPalette::Disabled,
                                                  QPalette::WindowText));
        r.figure->setPalette(palette);
    }
}

void OpponentRangesWindow::showFigure(int opponent) {
    Row& r = row(opponent);
    if (!r.shown) {
        r.figure->clear();
        return;
    }
    r.figure->setText(opponentFigureText(r.shown->equityPercent, r.shown->winPercent,
                                         r.shown->tiePercent, decimalSeparator_));
}

void OpponentRangesWindow::showTooltip(int opponent) {
    Row& r = row(opponent);
    if (r.problem) {
        r.range->setToolTip(rangeProblemText(language_, *r.problem));
        return;
    }
    const QString box = opponent == 0 ? tr("Your own range while your two cards are not "
                                           "chosen: the win chance counts each of its hands "
                                           "against the opponents, e.g. QQ+, AKs:0.5")
                                      : rangeBoxTooltip();
    // What the box cannot show is read in its tooltip.
    const QString text = r.range->text();
    const int room = r.range->contentsRect().width() - 8;
    const bool fits = r.range->fontMetrics().horizontalAdvance(text) <= room;
    r.range->setToolTip(fits ? box : wholeRangeTooltip(text, box));
}

void OpponentRangesWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    for (int opponent = 0; opponent <= kMaxOpponents; ++opponent) showTooltip(opponent);
}

void OpponentRangesWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void OpponentRangesWindow::retranslate() {
    setWindowTitle(tr("Opponents' ranges"));
    // The share column is as wide as its widest text, so that it keeps its
    // width, and the range box its own, while the player types.
    const QFontMetrics metrics = rows_.front().share->fontMetrics();
    int widest = 0;
    // Weighted ranges add a decimal: "99.9%, 1325.5 combos".
    for (double combinations = 0.5; combinations <= kPocketCardPairs; combinations += 0.5)
        widest = std::max(
            widest, metrics.horizontalAdvance(rangeShareText(combinations, decimalSeparator_)));
    for (Row& r : rows_) r.share->setMinimumWidth(widest);
    for (int opponent = 0; opponent <= kMaxOpponents; ++opponent) {
        Row& r = row(opponent);
        r.caption->setText(opponent == 0 ? tr("&You:") : tr("Opponent &%1:").arg(opponent));
        r.range->setPlaceholderText(opponent == 0 ? tr("none: your two cards count")
                                                  : anyTwoCardsText());
        r.grid->setText(tr("Grid\u2026"));
        r.grid->setToolTip(tr("Choose the range on the grid of starting hands"));
        r.copy->setText(tr("Copy to others"));
        r.copy->setToolTip(tr("Give every other opponent this range"));
        r.share->setText(opponent == 0 && r.combinations == 0
                             ? QString()
                             : rangeShareText(r.combinations, decimalSeparator_));
        r.share->setToolTip(tr("The share of all two-card combinations the range holds"));
        r.figure->setToolTip(
            tr("This opponent's own share of the pot, the deals he wins "
               "alone and those he splits"));
        showFigure(opponent);
        showTooltip(opponent);
    }
}

}  // namespace korvana::ui
