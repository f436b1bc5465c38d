#include "engine/table/table_history.h"

#include <algorithm>

namespace korvana {

bool sameTable(const TableSnapshot& a, const TableSnapshot& b) {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (a.hand.card(slot) != b.hand.card(slot)) return false;
    return a.handsPlayed == b.handsPlayed && a.best == b.best && a.round == b.round &&
           a.autoSwitch == b.autoSwitch && sameOpponents(a.opponents, b.opponents) &&
           a.dead == b.dead;
}

TableHistory::TableHistory(TableSnapshot start, std::size_t steps)
    : steps_(std::max<std::size_t>(steps, 1)) {
    states_.push_back(std::move(start));
}

void TableHistory::record(const TableSnapshot& after) {
    if (sameTable(after, current())) return;
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, states_.end());
    states_.push_back(after);
    if (states_.size() > steps_ + 1) states_.pop_front();
    position_ = states_.size() - 1;
}

std::optional<TableSnapshot> TableHistory::undo() {
    if (!canUndo()) return std::nullopt;
    return states_[--position_];
}

std::optional<TableSnapshot> TableHistory::redo() {
    if (!canRedo()) return std::nullopt;
    return states_[++position_];
}

}  // namespace korvana
