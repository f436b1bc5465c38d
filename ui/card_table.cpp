#include "card_table.h"

#include "card.h"

namespace korvana::ui {

QString pickerCardCode(int item) {
    return QString::fromStdString(allCardCodes().at(static_cast<size_t>(item)));
}

int pickerPictureIndex(int item) {
    // Rank letters in character order, the order of the face list within a suit.
    static constexpr std::string_view kFaceOrder = "23456789AJKQT";
    const std::string& code = allCardCodes().at(static_cast<size_t>(item));
    return (item / 13) * 13 + static_cast<int>(kFaceOrder.find(code[0]));
}

std::vector<int> CardTable::takeOff(const QString& cardCode) {
    const std::string code = cardCode.toStdString();
    std::vector<int> emptied;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!slots_[slot].empty() && slots_[slot] == code) {
            slots_[slot].clear();
            emptied.push_back(slot);
        }
    }
    return emptied;
}

std::optional<int> CardTable::putOn(const QString& cardCode) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slots_[slot].empty()) {
            slots_[slot] = cardCode.toStdString();
            return slot;
        }
    }
    return std::nullopt;
}

int CardTable::clear() {
    int held = 0;
    for (auto& slot : slots_) {
        if (!slot.empty()) ++held;
        slot.clear();
    }
    return held;
}

}  // namespace korvana::ui
