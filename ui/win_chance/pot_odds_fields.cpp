#include "ui/win_chance/pot_odds_fields.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <algorithm>

#include "engine/table/pot_odds.h"
#include "services/failure.h"
#include "ui/common/number_text.h"

namespace korvana::ui {

namespace {

// Room for five digits or so; the box scrolls beyond.
constexpr int kAmountWidth = 44;

std::optional<double> amountIn(const QLineEdit* box) {
    return readChips(box->text().toStdString());
}

}  // namespace

PotOddsFields::PotOddsFields(SettingsStore settings, ErrorReporter reportError,
                             QString decimalSeparator, QWidget* parent)
    : QWidget(parent),
      settings_(std::move(settings)),
      reportError_(std::move(reportError)),
      decimalSeparator_(std::move(decimalSeparator)),
      potCaption_(new QLabel(this)),
      pot_(new QLineEdit(this)),
      callCaption_(new QLabel(this)),
      call_(new QLineEdit(this)),
      verdict_(new QLabel(this)) {
    pot_->setObjectName(QStringLiteral("potAmount"));
    call_->setObjectName(QStringLiteral("callAmount"));
    verdict_->setObjectName(QStringLiteral("potOddsVerdict"));
    // In the menu bar a label would take the bar's button text colour.
    verdict_->setForegroundRole(QPalette::WindowText);
    for (QLineEdit* box : {pot_, call_}) {
        box->setFixedSize(kAmountWidth, fontMetrics().height() + 3);
        box->setTextMargins(0, -2, 0, -2);
        connect(box, &QLineEdit::textEdited, this, &PotOddsFields::showVerdict);
        connect(box, &QLineEdit::editingFinished, this, [this, box] { keepAmount(box); });
        // Return hands the keys back to the window, where they type cards.
        connect(box, &QLineEdit::returnPressed, box, &QWidget::clearFocus);
    }
    potCaption_->setBuddy(pot_);
    callCaption_->setBuddy(call_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 0);
    row->setSpacing(4);
    row->addWidget(potCaption_);
    row->addWidget(pot_);
    row->addSpacing(4);
    row->addWidget(callCaption_);
    row->addWidget(call_);
    row->addSpacing(4);
    row->addWidget(verdict_, 1);
    retranslate();
}

void PotOddsFields::applyStoredChoices() {
    pot_->setText(settings_.potAmount().value_or(QString()));
    call_->setText(settings_.callAmount().value_or(QString()));
    showVerdict();
}

void PotOddsFields::placeAmounts(const QString& pot, const QString& call) {
    for (auto [box, text] : {std::pair{pot_, pot}, std::pair{call_, call}}) {
        box->setText(text);
        box->setModified(true);
        keepAmount(box);
    }
    showVerdict();
}

void PotOddsFields::showEquity(std::optional<double> equity) {
    equity_ = equity;
    showVerdict();
}

QString PotOddsFields::verdictText() const {
    return verdict_->text();
}

void PotOddsFields::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void PotOddsFields::retranslate() {
    potCaption_->setText(tr("Pot:"));
    callCaption_->setText(tr("Call:"));
    pot_->setToolTip(tr("The chips in the pot before your call, the bets you face included"));
    call_->setToolTip(tr("The chips you must put in to call"));
    // Room for the longest verdict, so the menu bar need not make room anew
    // with every figure.
    const QString full = QStringLiteral("100.0");
    verdict_->setFixedWidth(
        std::max(fontMetrics().horizontalAdvance(tr("needs %1%, has %2%: pays").arg(full, full)),
                 fontMetrics().horizontalAdvance(
                     tr("needs %1%, has %2%: does not pay").arg(full, full))) +
        4);
    // A menu bar lays its corner out anew only when it is given one.
    if (auto* bar = qobject_cast<QMenuBar*>(parentWidget()))
        bar->setCornerWidget(this, Qt::TopRightCorner);
    showVerdict();
}

void PotOddsFields::showVerdict() {
    const auto percent = [this](double fraction) {
        return numberText(100.0 * fraction, 1, decimalSeparator_);
    };
    const std::optional<double> pot = amountIn(pot_), call = amountIn(call_);
    // Colours by palette, not style sheet: a style sheet would give the
    // widget the application's font instead of the window's.
    for (auto [box, amount] : {std::pair{pot_, pot}, std::pair{call_, call}}) {
        const bool bad = !box->text().trimmed().isEmpty() && !amount;
        QPalette colours = box->palette();
        colours.setColor(QPalette::Text, bad ? QColor(Qt::red) : palette().color(QPalette::Text));
        box->setPalette(colours);
    }
    // A comma that may separate thousands as well as decimals is the player's
    // to settle: both readings are named, neither is taken.
    for (const QLineEdit* box : {pot_, call_}) {
        const auto readings = commaReadings(box->text().toStdString());
        if (!readings) continue;
        const QString thousands = QString::fromStdString(readings->thousands);
        const QString decimal = QString::fromStdString(readings->decimal);
        verdict_->setText(tr("%1 or %2?").arg(thousands, decimal));
        verdict_->setPalette(palette());
        verdict_->setToolTip(tr("A comma before three digits may separate thousands or "
                                "decimals: type %1 or %2")
                                 .arg(thousands, decimal));
        setToolTip(QString());
        return;
    }
    const std::optional<double> needed = pot && call ? neededEquity({*pot, *call}) : std::nullopt;
    if (!needed) {
        verdict_->clear();
        verdict_->setToolTip(
            tr("Pot odds: fill in the pot and the amount to call to see the equity a call "
               "needs, call / (pot + call), beside your hand's equity"));
        setToolTip(verdict_->toolTip());
        return;
    }
    if (!equity_) {
        verdict_->setText(tr("needs %1%").arg(percent(*needed)));
        verdict_->setPalette(palette());
    } else {
        const bool pays = callPays(*equity_, *needed);
        // The words carry the verdict; the colour only repeats it.
        verdict_->setText(
            (pays ? tr("needs %1%, has %2%: pays") : tr("needs %1%, has %2%: does not pay"))
                .arg(percent(*needed), percent(*equity_)));
        QPalette colours = verdict_->palette();
        colours.setColor(QPalette::WindowText,
                         pays ? QColor(0x00, 0x64, 0x00) : QColor(0xb0, 0, 0));
        verdict_->setPalette(colours);
    }
    verdict_->setToolTip(
        tr("A call of %1 into a pot of %2 must win back at least %3% of the pot in the long run "
           "to pay: call / (pot + call). Your hand's equity is its share of the pot over all "
           "deals, ties split.")
            .arg(call_->text().trimmed(), pot_->text().trimmed(), percent(*needed)));
    setToolTip(QString());
}

// Once the player is done with a box he changed: a store that cannot be
// written then complains once, not at every key or every visit.
void PotOddsFields::keepAmount(QLineEdit* box) {
    // Only an amount that reads, or an empty box, is kept.
    const QString text = box->text().trimmed();
    if (!box->isModified() || (!text.isEmpty() && !amountIn(box))) return;
    box->setModified(false);
    try {
        if (box == pot_)
            settings_.setPotAmount(text);
        else
            settings_.setCallAmount(text);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

}  // namespace korvana::ui
