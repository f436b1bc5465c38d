#pragma once
// A captioned frame with radio buttons in columns:
// the caption sits on the top line of the frame.
#include <QStringList>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace korvana::ui {

class RadioGroup : public QWidget {
    Q_OBJECT
public:
    RadioGroup(int columns, int itemCount, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // Renames the items; the selection stays and nothing is signalled.
    void setItems(const QStringList& items);
    QRadioButton* item(int index) const { return items_[static_cast<size_t>(index)]; }

    int itemIndex() const;
    // Selects an item from code without signalling.
    void setItemIndex(int index);
    // Whether the player may pick an item; the caption stays as it is, and a
    // disabled item shows the group's tooltip.
    void setItemsEnabled(bool enabled);

Q_SIGNALS:
    // The player picked another item (re-picking the selected one is no change).
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangeItems();

    QString caption_;
    int columns_;
    std::vector<QRadioButton*> items_;
    QButtonGroup* group_;
    int lastIndex_ = -1;
};

}  // namespace korvana::ui
