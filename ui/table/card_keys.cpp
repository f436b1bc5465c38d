#include "ui/table/card_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "engine/cards/card_input.h"

namespace korvana::ui {
namespace {

// Russian ЙЦУКЕН keys and the US keys in the same places, row by row.
constexpr char16_t kRussianKeys[] = u"йцукенгшщзхъфывапролджэячсмитьбю";
constexpr char kUsKeys[] = "qwertyuiop[]asdfghjkl;'zxcvbnm,.";
static_assert(sizeof kRussianKeys / sizeof kRussianKeys[0] == sizeof kUsKeys);

// The one character a key stands for: its text, or for keys whose text is a
// control character (Ctrl held) the key code itself.
std::optional<QChar> characterOf(const KeyPress& key) {
    if (key.text.size() == 1 && key.text[0].isPrint()) return latinKeyOf(key.text[0]);
    if (key.key > 0 && key.key < 0x10000 && QChar(key.key).isPrint())
        return latinKeyOf(QChar(key.key));
    return std::nullopt;
}

KeyOutcome effect(KeyEffect what) {
    return KeyOutcome{what, std::nullopt, {}, {}};
}

KeyOutcome rejected(KeyRejection why, const QString& keyText) {
    return KeyOutcome{KeyEffect::Rejected, std::nullopt, why, keyText};
}

QString rankShown(int rank) {
    return rank == 10 ? QStringLiteral("10") : QString::fromLatin1(rankText(rank).data(), 1);
}

}  // namespace

KeyPress keyPressOf(const QKeyEvent& event) {
    return {event.key(), event.text(), event.modifiers()};
}

QChar latinKeyOf(QChar typed) {
    const QChar lower = typed.toLower();
    for (size_t i = 0; i + 1 < sizeof kUsKeys; ++i)
        if (lower.unicode() == kRussianKeys[i]) return QChar::fromLatin1(kUsKeys[i]);
    if (lower.unicode() == u'ё') return QChar::fromLatin1('`');
    return lower;
}

KeyOutcome CardKeys::press(const KeyPress& key) {
    const Qt::KeyboardModifiers commands =
        key.modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (commands) {
        const auto ch = characterOf(key);
        if (commands == Qt::ControlModifier && ch == QChar('n')) {
            half_.clear();
            return effect(KeyEffect::Fold);
        }
        return effect(KeyEffect::Ignored);
    }
    switch (key.key) {
        case Qt::Key_Backspace:
            if (!half_.isEmpty()) {
                half_.clear();
                return effect(KeyEffect::HalfTypedCleared);
            }
            return effect(KeyEffect::TakeLastCardOff);
        case Qt::Key_Escape:
            if (half_.isEmpty()) return effect(KeyEffect::Ignored);
            half_.clear();
            return effect(KeyEffect::HalfTypedCleared);
        default: break;
    }
    const auto ch = characterOf(key);
    if (!ch || ch->isSpace()) return effect(KeyEffect::Ignored);

    if (half_ == QStringLiteral("1")) {
        if (*ch == QChar('0')) {
            half_ = QStringLiteral("10");
            return effect(KeyEffect::RankTyped);
        }
    }
    if (*ch == QChar('1')) {
        half_ = QStringLiteral("1");
        return effect(KeyEffect::RankTyped);
    }
    if (const auto rank = rankOfCharacter(ch->unicode())) {
        half_ = rankShown(*rank);  // a second rank replaces a mistyped first
        return effect(KeyEffect::RankTyped);
    }
    if (const auto suit = suitOfCharacter(ch->unicode())) {
        if (half_ == QStringLiteral("1")) {
            half_.clear();
            return rejected(KeyRejection::TenUnfinished, key.text);
        }
        if (half_.isEmpty()) return rejected(KeyRejection::RankFirst, key.text);
        const int rank = half_ == QStringLiteral("10") ? 10 : *rankOfCharacter(half_[0].unicode());
        half_.clear();
        return KeyOutcome{KeyEffect::CardTyped, Card{rank, *suit}, {}, {}};
    }
    half_.clear();
    return rejected(KeyRejection::UnknownKey, key.text);
}

TypedCardVerdict judgeTypedCard(const Hand& hand, Card card) {
    if (hand.contains(card)) return TypedCardVerdict::AlreadyOnTable;
    if (hand.count() >= kSlotCount) return TypedCardVerdict::NoRoom;
    return TypedCardVerdict::Place;
}

std::optional<int> lastOccupiedSlot(const Hand& hand) {
    for (int slot = kSlotCount; slot >= 1; --slot)
        if (hand.card(slot)) return slot;
    return std::nullopt;
}

QString cardKeyMessage(CardKeyMessage message, const QString& detail) {
    switch (message) {
        case CardKeyMessage::HalfTyped:
            return QCoreApplication::translate("CardKeys", "Card: %1, now a suit: c d h s")
                .arg(detail);
        case CardKeyMessage::UnknownKey:
            return QCoreApplication::translate(
                       "CardKeys",
                       "\"%1\" is not a card key: rank 2-9 T J Q K A, then suit c d h s")
                .arg(detail);
        case CardKeyMessage::RankFirst:
            return QCoreApplication::translate("CardKeys", "\"%1\" is a suit: type the rank first")
                .arg(detail);
        case CardKeyMessage::TenUnfinished:
            return QCoreApplication::translate("CardKeys",
                                               "A ten is typed as 1 0 (or T), then the suit");
        case CardKeyMessage::AlreadyOnTable:
            return QCoreApplication::translate("CardKeys", "%1 is already on the table")
                .arg(detail);
        case CardKeyMessage::NoRoom:
            return QCoreApplication::translate("CardKeys",
                                               "All seven places are taken: %1 not placed")
                .arg(detail);
        case CardKeyMessage::NothingToTakeOff: break;
    }
    return QCoreApplication::translate("CardKeys", "No card on the table to take off");
}

}  // namespace korvana::ui
