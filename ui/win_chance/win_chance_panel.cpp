#include "win_chance_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>

namespace korvana::ui {

namespace {

// Room for a range of a few pieces; the box scrolls beyond it. The strip
// leaves the figure about 380 pixels, which its longest Russian text needs.
constexpr int kRangeWidth = 118;

}  // namespace

WinChancePanel::WinChancePanel(QString decimalSeparator, QWidget* parent)
    : QWidget(parent),
      decimalSeparator_(std::move(decimalSeparator)),
      figure_(new QLabel(this)),
      busy_(new QProgressBar(this)),
      opponentsCaption_(new QLabel(this)),
      opponents_(new QSpinBox(this)),
      range_(new QLineEdit(this)) {
    figure_->setObjectName(QStringLiteral("winChanceFigure"));
    // A long text is cut rather than pushing the controls off the strip.
    figure_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    busy_->setObjectName(QStringLiteral("winChanceBusy"));
    busy_->setRange(0, 0);  // a bar that only moves: no share of the work is known
    busy_->setTextVisible(false);
    busy_->setFixedSize(16, 8);
    QSizePolicy keepPlace = busy_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    busy_->setSizePolicy(keepPlace);
    busy_->hide();
    opponents_->setObjectName(QStringLiteral("winChanceOpponents"));
    opponents_->setRange(1, kMaxOpponents);
    opponentsCaption_->setBuddy(opponents_);
    range_->setObjectName(QStringLiteral("winChanceRange"));
    range_->setFixedWidth(kRangeWidth);
    range_->setMaxLength(static_cast<int>(kMaxRangeCharacters));
    // Cards may be typed with suit symbols, which the window's fonts may lack;
    // the box takes them from another font then.
    QFont symbols = range_->font();
    symbols.setStyleStrategy(QFont::PreferDefault);
    range_->setFont(symbols);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(figure_, 1);
    row->addWidget(busy_);
    row->addSpacing(8);
    row->addWidget(opponentsCaption_);
    row->addWidget(opponents_);
    // "Opponents: 3, any two cards": the range box needs no caption of its
    // own beside the opponents' one; its tooltip says what goes in it.
    row->addWidget(range_);

    connect(opponents_, &QSpinBox::valueChanged, this, &WinChancePanel::opponentsChanged);
    connect(range_, &QLineEdit::textEdited, this, &WinChancePanel::rangeEdited);
    connect(range_, &QLineEdit::editingFinished, this, &WinChancePanel::rangeDone);
    // Return hands the keys back to the window, where they type cards.
    connect(range_, &QLineEdit::returnPressed, range_, &QWidget::clearFocus);
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
    busy_->setVisible(busy);
}

void WinChancePanel::setOpponents(int opponents) {
    const QSignalBlocker quiet(opponents_);
    opponents_->setValue(opponents);
}

void WinChancePanel::setRangeText(const QString& text) {
    range_->setText(text);  // textEdited comes from the player alone
}

void WinChancePanel::markRange(const std::optional<RangeError>& problem) {
    rangeProblem_ = problem;
    range_->setStyleSheet(problem ? QStringLiteral("QLineEdit { border: 1px solid red; }")
                                  : QString());
    showRangeTooltip();
}

void WinChancePanel::showRangeTooltip() {
    range_->setToolTip(rangeProblem_ ? rangeProblemText(*rangeProblem_)
                                     : winChanceTooltip(WinChanceControl::Range));
}

void WinChancePanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void WinChancePanel::retranslate() {
    opponentsCaption_->setText(winChanceCaption(WinChanceControl::Opponents));
    range_->setAccessibleName(winChanceCaption(WinChanceControl::Range));
    range_->setPlaceholderText(anyTwoCardsText());
    figure_->setToolTip(winChanceTooltip(WinChanceControl::Figure));
    busy_->setToolTip(winChanceTooltip(WinChanceControl::Busy));
    opponents_->setToolTip(winChanceTooltip(WinChanceControl::Opponents));
    showRangeTooltip();
    showContent();
}

void WinChancePanel::showContent() {
    if (const auto* figure = std::get_if<WinChanceFigure>(&content_))
        figure_->setText(winChanceText(*figure, decimalSeparator_));
    else
        figure_->setText(winChanceNoteText(std::get<WinChanceNote>(content_)));
}

}  // namespace korvana::ui
