#include "ui/replay/hand_list_model.h"

#include <QBrush>
#include <QColor>

#include "ui/replay/replay_texts.h"

namespace korvana::ui {

HandListModel::HandListModel(QObject* parent) : QAbstractTableModel(parent) {}

void HandListModel::clear() {
    beginResetModel();
    hands_.clear();
    refused_ = 0;
    endResetModel();
}

void HandListModel::append(std::vector<history::ReadHand> hands) {
    if (hands.empty()) return;
    const int first = static_cast<int>(hands_.size());
    beginInsertRows({}, first, first + static_cast<int>(hands.size()) - 1);
    for (history::ReadHand& hand : hands) {
        if (std::holds_alternative<history::HandRefusal>(hand)) ++refused_;
        hands_.push_back(std::move(hand));
    }
    endInsertRows();
}

void HandListModel::setLanguage(Language language) {
    language_ = language;
    if (!hands_.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

int HandListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(hands_.size());
}

int HandListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant HandListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const history::ReadHand& read = hands_[static_cast<std::size_t>(index.row())];
    const auto* hand = std::get_if<history::PlayedHand>(&read);
    if (role == kAllInRole)
        return QStringLiteral("%1").arg(hand && hand->allIn && hand->hero >= 0 ? 1 : 0);
    if (!hand) {
        const auto& refusal = std::get<history::HandRefusal>(read);
        if (role == Qt::ForegroundRole) return QBrush(QColor(0xb0, 0, 0));
        if (role == Qt::ToolTipRole) return refusalLine(refusal, language_);
        if (role == Qt::DisplayRole && index.column() == CardsColumn)
            return tr("line %1: %2")
                .arg(refusal.line)
                .arg(QString::fromStdString(history::refusalText(refusal, language_)));
        if (role == Qt::DisplayRole && index.column() == NumberColumn)
            return QString::fromStdString(refusal.hand);
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() == NetColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && index.column() == NetColumn && hand->heroNet() != 0)
        return QBrush(hand->heroNet() > 0 ? QColor(0x00, 0x64, 0x00) : QColor(0xb0, 0, 0));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case NumberColumn: return QString::fromStdString(hand->number);
        case CardsColumn:
            return hand->heroPlayer() && hand->heroPlayer()->cards
                       ? cardsText(*hand->heroPlayer()->cards)
                       : QString();
        default: return signedAmountText(*hand, hand->heroNet());
    }
}

QVariant HandListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case NumberColumn: return tr("Hand");
        case CardsColumn: return tr("Cards");
        default: return tr("Net");
    }
}

}  // namespace korvana::ui
