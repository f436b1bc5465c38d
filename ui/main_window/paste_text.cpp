#include "ui/main_window/paste_text.h"

#include <QCoreApplication>

#include "ui/ranges/range_texts.h"

namespace korvana::ui {

namespace {

QString withLead(const QString& problem) {
    return QCoreApplication::translate("Paste", "Cannot paste: %1").arg(problem);
}

}  // namespace

QString pasteProblemText(const SpotTextError& error) {
    const QString piece = QString::fromStdString(error.piece);
    using Problem = SpotTextError::Problem;
    switch (error.problem) {
        case Problem::NoCards:
            return withLead(QCoreApplication::translate(
                "Paste", "the clipboard holds no cards (e.g. Ah Kh - Qd Jd)"));
        case Problem::UnknownCard:
            return withLead(
                QCoreApplication::translate(
                    "Paste", "\"%1\" is not a card (e.g. Ah, Td, 10h, - for an empty slot)")
                    .arg(piece));
        case Problem::CardTwice:
            return withLead(
                QCoreApplication::translate("Paste", "card %1 is given twice").arg(piece));
        case Problem::TooManySlots:
            return withLead(QCoreApplication::translate("Paste", "more than seven slots, at \"%1\"")
                                .arg(piece));
        case Problem::UnknownOption:
            return withLead(
                QCoreApplication::translate("Paste", "\"%1\" is neither --opponents nor --vs")
                    .arg(piece));
        case Problem::MissingValue:
            return withLead(QCoreApplication::translate("Paste", "%1 needs a value").arg(piece));
        case Problem::BadOpponents:
            return withLead(QCoreApplication::translate(
                                "Paste", "\"%1\" is not a number of opponents from 1 to 9")
                                .arg(piece));
        case Problem::TooManyRanges: break;
    }
    return withLead(
        QCoreApplication::translate("Paste", "more ranges than opponents (at most nine), at \"%1\"")
            .arg(piece));
}

QString pastedRangeProblemText(Language language, const RangeError& error) {
    return withLead(rangeProblemText(language, error));
}

}  // namespace korvana::ui
