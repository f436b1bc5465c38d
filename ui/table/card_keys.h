#pragma once
// Cards from the keyboard: a rank (2-9, T or 10, J, Q, K, A), then a suit
// (c, d, h, s), in either case. The keys are read by their place on the
// keyboard, so with a Russian layout the same physical keys work (ф is the A
// key, с the C key, and so on). The machine only reads keys; the window
// decides what a typed card does to the table (judgeTypedCard) and shows the
// messages (cardKeyMessage).
#include <QString>
#include <Qt>
#include <optional>

#include "engine/cards/card.h"
#include "engine/cards/hand.h"

class QKeyEvent;

namespace korvana::ui {

// One key press: the key, the text it produced and the modifiers held.
struct KeyPress {
    int key = 0;  // a Qt::Key value
    QString text;
    Qt::KeyboardModifiers modifiers;
};
KeyPress keyPressOf(const QKeyEvent& event);

enum class KeyEffect {
    Ignored,           // not a card key (Shift alone, Tab, Ctrl+Z, ...): let it pass on
    RankTyped,         // half a card; halfTypedRank() says which
    CardTyped,         // a whole card: place it as a picker click would
    TakeLastCardOff,   // Backspace
    HalfTypedCleared,  // Escape, or Backspace over a half-typed rank
    Fold,              // Ctrl+N
    Rejected,          // a key that is not part of a card here
};

enum class KeyRejection {
    UnknownKey,     // neither a rank nor a suit
    RankFirst,      // a suit with no rank before it
    TenUnfinished,  // a suit after "1": the ten wants its "0"
};

struct KeyOutcome {
    KeyEffect effect = KeyEffect::Ignored;
    std::optional<Card> card;                           // CardTyped
    KeyRejection rejection = KeyRejection::UnknownKey;  // Rejected
    QString keyText;  // Rejected: the key as typed, for the message
    friend bool operator==(const KeyOutcome&, const KeyOutcome&) = default;
};

class CardKeys {
public:
    KeyOutcome press(const KeyPress& key);
    // The rank typed so far as the status bar shows it ("K", "10", "1" while
    // the ten is half typed), or empty.
    QString halfTypedRank() const { return half_; }
    void clear() { half_.clear(); }

private:
    QString half_;
};

// The Latin letter or digit on the same key of a US keyboard, for the keys of
// the standard Russian layout (ЙЦУКЕН) in either case; other characters come
// back unchanged, lower-cased.
QChar latinKeyOf(QChar typed);

// What a typed card would do to the table. Unlike a picker click it never
// takes a card off: a typed card already on the table is a mistake to report.
enum class TypedCardVerdict { Place, AlreadyOnTable, NoRoom };
TypedCardVerdict judgeTypedCard(const Hand& hand, Card card);

// The slot Backspace empties: the highest occupied one (the last card laid
// down when the cards go in in order), or nullopt for an empty table.
std::optional<int> lastOccupiedSlot(const Hand& hand);

// The short status-bar texts of card entry, in the language of the installed
// translation.
enum class CardKeyMessage {
    HalfTyped,         // detail: the rank so far
    UnknownKey,        // detail: the key
    RankFirst,         // detail: the key
    TenUnfinished,     // no detail
    AlreadyOnTable,    // detail: the card code
    NoRoom,            // detail: the card code
    NothingToTakeOff,  // no detail
};
QString cardKeyMessage(CardKeyMessage message, const QString& detail = {});

}  // namespace korvana::ui
