#pragma once
// One banner of the strip: shows one GIF picture and plays its frames on
// request.
//
// - loadFromFile() first drops the current picture, then reads the file with
//   Qt's GIF reader (the format is forced, so a file of another kind fails);
//   after a load the first frame is shown and the banner takes the picture's
//   size. An empty banner paints nothing. The load fails, leaving the
//   banner empty, when the name is not a regular file, when any frame is cut
//   off or damaged, and when the picture has too many frames or would take
//   too much memory decoded.
// - frameIndex: the frame shown; values outside the frames, or equal to the
//   current one, are ignored.
// - animate: while on, the banner moves to the next frame each time the
//   current frame's delay (held within 50..10000 ms) has passed, wrapping to
//   frame 0 after the last; with loop off it switches itself off on reaching
//   frame 0. A picture with fewer than two frames never advances, and animate
//   is not touched by loading.
#include <QImage>
#include <QWidget>

#include <vector>

class QTimer;

namespace korvana::ui {

class AnimatedBanner : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinFrameDelayMs = 50;
    static constexpr int kMaxFrameDelayMs = 10000;

    explicit AnimatedBanner(QWidget* parent = nullptr);

    // False (with error) when the file is not a readable GIF picture; the
    // banner is then empty.
    bool loadFromFile(const QString& path, QString* error = nullptr);

    bool isEmpty() const { return frames_.empty(); }
    int frameCount() const { return int(frames_.size()); }
    // The delay after frame i, in ms, already held within the limits.
    int frameDelay(int i) const;
    QImage currentFrame() const;

    int frameIndex() const { return frameIndex_; }
    void setFrameIndex(int index);
    bool animate() const { return animate_; }
    void setAnimate(bool on);
    bool loop() const { return loop_; }
    void setLoop(bool on) { loop_ = on; }

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void clearPicture();
    void scheduleNextFrame();
    void advance();

    std::vector<QImage> frames_;
    std::vector<int> delays_;
    int frameIndex_ = 0;
    bool animate_ = false;
    bool loop_ = false;
    bool pressed_ = false;
    QTimer* frameTimer_;
};

}  // namespace korvana::ui
