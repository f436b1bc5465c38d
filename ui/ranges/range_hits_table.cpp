#include "ui/ranges/range_hits_table.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "engine/cards/category.h"
#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"
#include "ui/common/number_text.h"

namespace korvana::ui {

namespace {

constexpr int kLines = kHitLines;  // ten categories and three draws

// The hand and draw names come from the engine's catalogue, as korvana-odds
// prints them, in the language of the odds list.
std::string_view lineName(Language language, int line) {
    constexpr Phrase kDraws[] = {Phrase::FlushDraw, Phrase::OpenEndedDraw, Phrase::Gutshot};
    if (line < 10) return categoryName(language, kCategoriesInListOrder[static_cast<size_t>(line)]);
    return phrase(language, kDraws[line - 10]);
}

}  // namespace

RangeHitsTable::RangeHitsTable(Language language, QString decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)), caption_(new QLabel(this)) {
    setObjectName(QStringLiteral("rangeHits"));
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->addWidget(caption_, 0, 0, 1, 3);
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("100.0%")) + 6;
    for (int line = 0; line < kLines; ++line) {
        auto* name = new QCheckBox(this);
        name->setObjectName(QStringLiteral("rangeHitsLine%1").arg(line));
        connect(name, &QCheckBox::toggled, this, [this] { Q_EMIT keptChanged(kept()); });
        auto* count = new QLabel(this);
        auto* share = new QLabel(this);
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        share->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setFixedWidth(numberWidth);
        share->setFixedWidth(numberWidth);
        name->setText(QString::fromUtf8(lineName(language, line).data(),
                                        static_cast<qsizetype>(lineName(language, line).size())));
        grid->addWidget(name, line + 1, 0);
        grid->addWidget(count, line + 1, 1);
        grid->addWidget(share, line + 1, 2);
        names_.push_back(name);
        counts_.push_back(count);
        shares_.push_back(share);
    }
    grid->setColumnStretch(0, 1);
    retranslate();
}

QString RangeHitsTable::comboCount(double count) const {
    return QString::fromStdString(comboCountText(count, decimalSeparator_.toStdString()));
}

void RangeHitsTable::setHits(const RangeHits& hits, bool draws) {
    hits_ = hits;
    const double counts[kLines] = {hits.categories[0], hits.categories[1], hits.categories[2],
                                   hits.categories[3], hits.categories[4], hits.categories[5],
                                   hits.categories[6], hits.categories[7], hits.categories[8],
                                   hits.categories[9], hits.flushDraws,    hits.openEnded,
                                   hits.gutshots};
    for (int line = 0; line < kLines; ++line) {
        const auto at = static_cast<size_t>(line);
        const double percent = hits.combos > 0 ? 100.0 * counts[line] / hits.combos : 0.0;
        counts_[at]->setText(comboCount(counts[line]));
        shares_[at]->setText(percentText(percent, decimalSeparator_));
        const bool shown = line < 10 || draws;
        names_[at]->setVisible(shown);
        counts_[at]->setVisible(shown);
        shares_[at]->setVisible(shown);
    }
    retranslate();
}

HitLines RangeHitsTable::kept() const {
    HitLines lines;
    for (int line = 0; line < kLines; ++line)
        lines.set(static_cast<size_t>(line), names_[static_cast<size_t>(line)]->isChecked());
    return lines;
}

void RangeHitsTable::clearKept() {
    for (QCheckBox* name : names_) {
        const QSignalBlocker quiet(name);
        name->setChecked(false);
    }
}

void RangeHitsTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void RangeHitsTable::retranslate() {
    caption_->setText(tr("On this board, of %1 combos:").arg(comboCount(hits_.combos)));
    caption_->setToolTip(
        tr("Tick what the opponent may still hold: his range keeps only the "
           "combos that make a ticked line"));
    for (QCheckBox* name : names_) name->setToolTip(caption_->toolTip());
}

}  // namespace korvana::ui
