#pragma once
// The card picker: 52 picture buttons, one row per suit (clubs, diamonds,
// hearts, spades) and ranks 2..A from left to right. The buttons never change
// state; the table decides what a click means.
#include <QImage>
#include <QWidget>
#include <vector>

namespace korvana::ui {

// The 52 small card faces (36 x 51) in face-list order (see pickerPictureIndex),
// shown from the program's own data; a missing face is a null image. Safe to
// call on any thread.
std::vector<QImage> loadCardFaces();

class CardPicker : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 46;
    static constexpr int kButtonHeight = 59;
    static constexpr int kColumns = 13;

    CardPicker(std::vector<QImage> faces, QWidget* parent = nullptr);

    QRect buttonRect(int item) const;
    // Picker item under a point, or -1.
    int itemAt(QPoint point) const;

Q_SIGNALS:
    void itemClicked(int item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHovered(int item);

    std::vector<QImage> faces_;  // by face-list index
    int pressed_ = -1;
    int hovered_ = -1;
};

}  // namespace korvana::ui
