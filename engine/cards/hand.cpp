#include "engine/cards/hand.h"

#include <algorithm>

namespace korvana {

bool Hand::contains(Card card) const {
    return std::find(slots_.begin(), slots_.end(), card) != slots_.end();
}

int Hand::count() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const auto& slot) { return slot.has_value(); }));
}

bool Hand::place(int slot, Card card) {
    if (slots_[index(slot)] != card && contains(card)) return false;
    slots_[index(slot)] = card;
    return true;
}

CardToggle Hand::toggleCard(Card card) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (slots_[index(slot)] == card) {
            empty(slot);
            return {CardToggle::Outcome::TakenOff, slot};
        }
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!slots_[index(slot)]) {
            slots_[index(slot)] = card;
            return {CardToggle::Outcome::PutOn, slot};
        }
    }
    return {};
}

int Hand::clear() {
    const int held = count();
    slots_ = {};
    return held;
}

std::vector<Card> Hand::cardsUpTo(int lastSlot) const {
    std::vector<Card> cards;
    for (int slot = 1; slot <= std::min(lastSlot, kSlotCount); ++slot)
        if (const auto& card = slots_[index(slot)]) cards.push_back(*card);
    return cards;
}

}  // namespace korvana
