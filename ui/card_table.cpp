#include "card_table.h"

#include "card.h"

namespace korvana::ui {

Card pickerCard(int item) {
    return Card{item % 13 + 2, item / 13 + 1};
}

QString pickerCardCode(int item) {
    return QString::fromStdString(allCardCodes().at(static_cast<size_t>(item)));
}

int pickerPictureIndex(int item) {
    // Rank letters in character order, the order of the face list within a suit.
    static constexpr std::string_view kFaceOrder = "23456789AJKQT";
    const std::string& code = allCardCodes().at(static_cast<size_t>(item));
    return (item / 13) * 13 + static_cast<int>(kFaceOrder.find(code[0]));
}

}  // namespace korvana::ui
