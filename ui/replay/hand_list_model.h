#pragma once
// The hands of a history as the replay window lists them, in file order (the
// newest last, as rooms append): the hand's number, the hero's cards and his
// net, or for a refused hand why it was refused. The all-in role lets a
// filter keep only the hands where the money went in before the river.
#include <QAbstractTableModel>
#include <vector>

#include "engine/text/language.h"
#include "history/history_reader.h"

namespace korvana::ui {

class HandListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NumberColumn, CardsColumn, NetColumn, kColumns };
    // "1" for a hand that went all in before the river, else "0".
    static constexpr int kAllInRole = Qt::UserRole + 1;

    explicit HandListModel(QObject* parent = nullptr);

    void clear();
    void append(std::vector<history::ReadHand> hands);
    void setLanguage(Language language);

    const std::vector<history::ReadHand>& hands() const { return hands_; }
    int refused() const { return refused_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<history::ReadHand> hands_;
    int refused_ = 0;
    Language language_ = Language::English;
};

}  // namespace korvana::ui
