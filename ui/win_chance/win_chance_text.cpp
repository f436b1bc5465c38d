#include "ui/win_chance/win_chance_text.h"

#include <QCoreApplication>
#include <QStringList>

#include "ui/common/number_text.h"

namespace korvana::ui {

QString winChanceText(const WinChanceFigure& figure, const QString& decimalSeparator) {
    // Two texts rather than a plural form: English has no translation file
    // to pick one from, and with at most nine opponents Russian needs no more.
    const QString opponents =
        figure.opponents == 1
            ? QCoreApplication::translate("WinChance", "vs 1 opponent")
            : QCoreApplication::translate("WinChance", "vs %1 opponents").arg(figure.opponents);
    const QString equity = numberText(figure.equityPercent, 1, decimalSeparator);
    const QString win = numberText(figure.winPercent, 1, decimalSeparator);
    const QString tie = numberText(figure.tiePercent, 1, decimalSeparator);
    if (figure.allBoards)
        return QCoreApplication::translate("WinChance",
                                           "Equity %1%  Win %2%  Tie %3%  %4 (all boards)")
            .arg(equity, win, tie, opponents);
    return QCoreApplication::translate("WinChance", "Equity %1% \u00b1%2%  Win %3%  Tie %4%  %5")
        .arg(equity, numberText(figure.marginPercent, 1, decimalSeparator), win, tie, opponents);
}

QString winChanceNoteText(WinChanceNote note) {
    switch (note) {
        case WinChanceNote::ChooseCards:
            return QCoreApplication::translate("WinChance", "Win chance: choose your two cards");
        case WinChanceNote::RangeEmpty:
            return QCoreApplication::translate("WinChance",
                                               "Win chance: no hands left in the range");
        case WinChanceNote::NoDeal:
            return QCoreApplication::translate(
                "WinChance", "Win chance: the range leaves no way to deal every opponent a hand");
    }
    return {};
}

QString winChanceNoDealText(const WinChanceNoDeal& noDeal) {
    if (noDeal.opponents.empty()) return winChanceNoteText(WinChanceNote::NoDeal);
    if (noDeal.opponents.size() == 1)
        return QCoreApplication::translate("WinChance",
                                           "Win chance: no way to deal opponent %1 a hand")
            .arg(noDeal.opponents.front());
    QStringList numbers;
    for (const int opponent : noDeal.opponents) numbers << QString::number(opponent);
    return QCoreApplication::translate(
               "WinChance", "Win chance: no way to deal opponents %1 a hand each at once")
        .arg(numbers.join(QStringLiteral(", ")));
}

QString winChanceCaption(WinChanceControl control) {
    switch (control) {
        case WinChanceControl::Opponents:
            return QCoreApplication::translate("WinChance", "Opponents:");
        case WinChanceControl::Ranges:
            return QCoreApplication::translate("WinChance", "Opponents\u2026");
        case WinChanceControl::Figure:
        case WinChanceControl::Busy: break;
    }
    return {};
}

QString winChanceTooltip(WinChanceControl control) {
    switch (control) {
        case WinChanceControl::Figure:
            return QCoreApplication::translate(
                "WinChance",
                "How often your two cards win or tie against the opponents, over the cards "
                "still to come; while the figure comes from a sample, \u00b1 is half the width "
                "of the 95% interval of the equity");
        case WinChanceControl::Opponents:
            return QCoreApplication::translate(
                "WinChance", "How many opponents the win chance is counted against");
        case WinChanceControl::Ranges:
            return QCoreApplication::translate("WinChance", "The hands each opponent may hold");
        case WinChanceControl::Busy: return QCoreApplication::translate("WinChance", "Counting...");
    }
    return {};
}

}  // namespace korvana::ui
