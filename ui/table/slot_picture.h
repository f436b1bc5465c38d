#pragma once
// One card slot as the player sees it: a picture drawn at its natural size
// from the top-left corner, clickable to empty the slot.
#include <QImage>
#include <QWidget>

namespace korvana::ui {

class SlotPicture : public QWidget {
    Q_OBJECT
public:
    explicit SlotPicture(QWidget* parent = nullptr);

    // Until a picture arrives (the window gives every slot one when it is
    // first shown) the slot shows a plain white card-sized area.
    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool pressed_ = false;
};

}  // namespace korvana::ui
