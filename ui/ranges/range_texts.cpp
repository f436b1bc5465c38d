#include "ui/ranges/range_texts.h"

#include <QCoreApplication>

#include "engine/cards/pocket_cards.h"
#include "engine/ranges/range_error_text.h"
#include "engine/text/decimal_text.h"
#include "ui/common/number_text.h"

namespace korvana::ui {

QString rangeShareText(double combinations, const QString& decimalSeparator) {
    const QString share = numberText(100.0 * combinations / kPocketCardPairs, 1, decimalSeparator);
    return QCoreApplication::translate("WinChance", "%1%, %2 combos")
        .arg(share)
        .arg(QString::fromStdString(comboCountText(combinations, decimalSeparator.toStdString())));
}

QString rangeProblemText(Language language, const RangeError& error) {
    // A piece may be most of a pasted text; the tooltip shows its start.
    constexpr qsizetype kShownPiece = 60;
    QString piece = QString::fromStdString(error.piece);
    if (piece.size() > kShownPiece) piece = piece.left(kShownPiece - 1) + QChar(0x2026);
    return QString::fromStdString(rangeErrorText(language, error.problem, piece.toStdString()));
}

QString storedRangeTooLongText(const QString& location) {
    return QCoreApplication::translate(
               "WinChance",
               "The setting \"opponentrange\" in \"%1\" is longer than %2 characters and is not "
               "read: the win chance is counted against any two cards.")
        .arg(location)
        .arg(static_cast<qulonglong>(kMaxRangeCharacters));
}

QString rangeBoxTooltip() {
    return QCoreApplication::translate(
        "WinChance",
        "The hands this opponent may hold, e.g. QQ+, AKs, KQo, T9s-65s, 15%; empty for "
        "any two cards");
}

QString wholeRangeTooltip(const QString& text, const QString& about) {
    // A tooltip taller than the screen would hide its own end.
    constexpr qsizetype kShown = 1500;
    QString whole = text.size() > kShown ? text.left(kShown) + QChar(0x2026) : text;
    // Rich text, so that the tooltip wraps the range at its commas.
    return QStringLiteral("<p>%1</p><p>%2</p>").arg(whole.toHtmlEscaped(), about.toHtmlEscaped());
}

QString opponentFigureText(double equityPercent, double winPercent, double tiePercent,
                           const QString& decimalSeparator) {
    const auto percent = [&decimalSeparator](double value) {
        return numberText(value, 1, decimalSeparator);
    };
    return QCoreApplication::translate("WinChance", "equity %1%, win %2%, tie %3%")
        .arg(percent(equityPercent), percent(winPercent), percent(tiePercent));
}

QString anyTwoCardsText() {
    return QCoreApplication::translate("WinChance", "any two cards");
}

}  // namespace korvana::ui
