#include "ui/odds/exact_chances_view.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolTip>

#include "engine/rows/exact_chance.h"
#include "engine/rows/exact_text.h"
#include "services/failure.h"
#include "ui/odds/exact_panel.h"
#include "ui/odds/odds_list.h"
#include "ui/table/card_picker.h"

namespace korvana::ui {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ExactChancesView::ExactChancesView(QWidget* clientArea, OddsList* list, CardPicker* picker,
                                   QMenuBar* menuBar, SettingsStore settings,
                                   ErrorReporter reportError)
    : QObject(clientArea),
      list_(list),
      picker_(picker),
      panel_(new ExactPanel(clientArea)),
      menu_(menuBar->addMenu(QString())),
      option_(menu_->addAction(QString())),
      settings_(std::move(settings)),
      reportError_(std::move(reportError)) {
    panel_->setObjectName(QStringLiteral("exactPanel"));
    panel_->setFont(list->font());
    menu_->setObjectName(QStringLiteral("viewMenu"));
    option_->setObjectName(QStringLiteral("exactChancesAction"));
    option_->setCheckable(true);
    option_->setChecked(true);
    retranslate();
    // The menu is the part of the view that hears of a new language.
    menu_->installEventFilter(this);

    // The list is disabled, so it never sees the pointer itself; watching it
    // from here leaves its painting untouched.
    list_->setMouseTracking(true);
    list_->installEventFilter(this);
    connect(panel_, &ExactPanel::hoveredLineChanged, this, &ExactChancesView::hoverRow);
    connect(option_, &QAction::triggered, this, &ExactChancesView::optionTriggered);
}

void ExactChancesView::place(const QRect& panel) {
    panel_->setGeometry(panel);
}

void ExactChancesView::show(const Analysis& analysis, Language language,
                            const std::string& decimalSeparator) {
    analysis_ = analysis;
    language_ = language;
    decimalSeparator_ = decimalSeparator;
    refresh();
}

void ExactChancesView::applyStoredOption() {
    const auto stored = settings_.exactChances();
    setShown(stored.value_or(true));
}

void ExactChancesView::optionTriggered(bool on) {
    try {
        // Saved first: a choice that cannot be kept is not shown as made.
        settings_.setExactChances(on);
        setShown(on);
    } catch (const Failure& failure) {
        option_->setChecked(shown_);
        reportError_(failure.message());
    }
}

void ExactChancesView::setShown(bool on) {
    shown_ = on;
    option_->setChecked(on);
    refresh();
}

const ExactChances& ExactChancesView::chancesFor(const Analysis& analysis) {
    // A table is shown again unchanged at a language or option change, and
    // twice at start: its chances are counted once.
    const int target = targetOf(analysis.round);
    if (!counted_ || counted_->cards != analysis.countedCards || counted_->target != target)
        counted_ =
            Counted{analysis.countedCards, target, exactChances(analysis.countedCards, target)};
    return counted_->chances;
}

void ExactChancesView::refresh() {
    tooltips_.clear();
    outlines_.clear();
    panel_->setVisible(shown_ && analysis_);
    if (!shown_ || !analysis_) {
        picker_->setOutlined({});
        return;
    }

    const Analysis& analysis = *analysis_;
    const ExactChances& chances = chancesFor(analysis);
    const int unseen = 52 - static_cast<int>(analysis.countedCards.size());
    QList<ExactPanel::Line> lines;
    for (size_t i = 0; i < analysis.rows.size(); ++i) {
        const OddsRow& row = analysis.rows[i];
        const CategoryChance& chance = chances.rows[i];
        const double p = chance.chance.probability;
        const QString tooltip = fromUtf8(
            rowExplanation(row, chance, analysis.round, unseen, language_, decimalSeparator_));
        lines.append({fromUtf8(std::string(categoryName(language_, row.category))),
                      fromUtf8(percentText(p, decimalSeparator_)),
                      fromUtf8(oneInText(p, language_, decimalSeparator_)),
                      formulaDisagrees(row, p), tooltip});
        tooltips_.append(tooltip);
        // Outlining every card not on the table would point at nothing.
        QList<int> items;
        if (!outsAreEveryUnseenCard(chance, unseen))
            for (const Card& card : chance.outs) items.append(cardIndex(card));
        outlines_.append(items);
    }
    panel_->setContent(fromUtf8(exactHeading(language_, analysis.round)), std::move(lines));
    outlineHoveredRow();
}

QString ExactChancesView::rowTooltip(int row) const {
    return row >= 0 && row < tooltips_.size() ? tooltips_[row] : QString();
}

void ExactChancesView::hoverRow(int row) {
    hoveredRow_ = row;
    outlineHoveredRow();
}

void ExactChancesView::outlineHoveredRow() {
    picker_->setOutlined(shown_ && hoveredRow_ >= 0 && hoveredRow_ < outlines_.size()
                             ? outlines_[hoveredRow_]
                             : QList<int>());
}

void ExactChancesView::retranslate() {
    menu_->setTitle(tr("View"));
    option_->setText(tr("Show exact chances"));
}

bool ExactChancesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_ && event->type() == QEvent::LanguageChange) retranslate();
    if (watched != list_) return QObject::eventFilter(watched, event);
    const auto rowAt = [this](QPoint point) {
        for (int row = 0; row < list_->rows().size(); ++row)
            if (list_->rowRect(row).contains(point)) return row;
        return -1;
    };
    switch (event->type()) {
        case QEvent::MouseMove: {
            const int row = rowAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            panel_->setPointedLine(row);
            hoverRow(row);
            break;
        }
        case QEvent::Leave:
        case QEvent::Hide:
            panel_->setPointedLine(-1);
            hoverRow(-1);
            break;
        case QEvent::ToolTip: {
            const auto* help = static_cast<QHelpEvent*>(event);
            const int row = rowAt(help->pos());
            // Without a row's explanation the list's own tooltip says what it shows.
            if (!rowTooltip(row).isEmpty())
                QToolTip::showText(help->globalPos(), rowTooltip(row), list_, list_->rowRect(row));
            else if (!list_->toolTip().isEmpty())
                QToolTip::showText(help->globalPos(), list_->toolTip(), list_);
            else
                QToolTip::hideText();
            return true;
        }
        default: break;
    }
    return false;
}

}  // namespace korvana::ui
