#include "ui/table/card_table.h"

#include "engine/cards/card.h"

namespace korvana::ui {

QString pickerCardCode(int item) {
    return QString::fromStdString(allCardCodes().at(static_cast<size_t>(item)));
}

}  // namespace korvana::ui
