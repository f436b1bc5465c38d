#include "ui/win_chance/win_chance_panel.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

namespace korvana::ui {

namespace {

// Ctrl+R, for ranges: the window takes plain keys as cards.
constexpr auto kRangesKey = Qt::CTRL | Qt::Key_R;

}  // namespace

WinChancePanel::WinChancePanel(QString decimalSeparator, QWidget* parent)
    : QWidget(parent),
      decimalSeparator_(std::move(decimalSeparator)),
      figure_(new QLabel(this)),
      busy_(new QProgressBar(this)),
      opponentsCaption_(new QLabel(this)),
      opponents_(new QSpinBox(this)),
      ranges_(new QPushButton(this)) {
    figure_->setObjectName(QStringLiteral("winChanceFigure"));
    // A long text is cut rather than pushing the controls off the strip.
    figure_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    busy_->setObjectName(QStringLiteral("winChanceBusy"));
    busy_->setRange(0, 0);  // a bar that only moves: no share of the work is known
    busy_->setTextVisible(false);
    // Wide enough to read how far a long count has come (setProgress).
    busy_->setFixedSize(32, 8);
    QSizePolicy keepPlace = busy_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    busy_->setSizePolicy(keepPlace);
    busy_->hide();
    opponents_->setObjectName(QStringLiteral("winChanceOpponents"));
    opponents_->setRange(1, kMaxOpponents);
    opponentsCaption_->setBuddy(opponents_);
    ranges_->setObjectName(QStringLiteral("winChanceRanges"));
    auto* rangesKey = new QAction(this);
    rangesKey->setShortcut(QKeySequence(kRangesKey));
    addAction(rangesKey);
    connect(rangesKey, &QAction::triggered, this, &WinChancePanel::rangesRequested);
    // Clicks leave the keys with the window, where they type cards.
    ranges_->setFocusPolicy(Qt::NoFocus);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(figure_, 1);
    row->addWidget(busy_);
    row->addSpacing(8);
    row->addWidget(opponentsCaption_);
    row->addWidget(opponents_);
    row->addWidget(ranges_);

    connect(opponents_, &QSpinBox::valueChanged, this, &WinChancePanel::opponentsChanged);
    connect(ranges_, &QPushButton::clicked, this, &WinChancePanel::rangesRequested);
    retranslate();
}

void WinChancePanel::setContent(const Content& content) {
    content_ = content;
    showContent();
}

void WinChancePanel::setCurrent(bool current) {
    figure_->setEnabled(current);
}

void WinChancePanel::setBusy(bool busy) {
    busy_->setRange(0, 0);
    busy_->setVisible(busy);
}

void WinChancePanel::setProgress(double done) {
    constexpr int kSteps = 100;
    busy_->setRange(0, kSteps);
    busy_->setValue(static_cast<int>(std::lround(std::clamp(done, 0.0, 1.0) * kSteps)));
    busy_->setVisible(true);
}

void WinChancePanel::setOpponents(int opponents) {
    const QSignalBlocker quiet(opponents_);
    opponents_->setValue(opponents);
}

void WinChancePanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void WinChancePanel::retranslate() {
    opponentsCaption_->setText(winChanceCaption(WinChanceControl::Opponents));
    ranges_->setText(winChanceCaption(WinChanceControl::Ranges));
    ranges_->setToolTip(winChanceTooltip(WinChanceControl::Ranges) + QStringLiteral(" (") +
                        QKeySequence(kRangesKey).toString(QKeySequence::NativeText) +
                        QStringLiteral(")"));
    figure_->setToolTip(winChanceTooltip(WinChanceControl::Figure));
    busy_->setToolTip(winChanceTooltip(WinChanceControl::Busy));
    opponents_->setToolTip(winChanceTooltip(WinChanceControl::Opponents));
    showContent();
}

void WinChancePanel::showContent() {
    if (const auto* figure = std::get_if<WinChanceFigure>(&content_))
        figure_->setText(winChanceText(*figure, decimalSeparator_));
    else if (const auto* noDeal = std::get_if<WinChanceNoDeal>(&content_))
        figure_->setText(winChanceNoDealText(*noDeal));
    else
        figure_->setText(winChanceNoteText(std::get<WinChanceNote>(content_)));
}

}  // namespace korvana::ui
