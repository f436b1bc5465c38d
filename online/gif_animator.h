#pragma once
// The banner control: shows one GIF picture and plays its frames on request.
//
// - loadFromFile() first drops the current picture, then reads the file with
//   Qt's GIF reader (the format is forced, so a file of another kind fails);
//   after a load the first frame is shown and the control takes the picture's
//   size. An empty control paints nothing. The load fails, leaving the
//   control empty, when the name is not a regular file, when any frame is cut
//   off or damaged, and when the picture has too many frames or would take
//   too much memory decoded.
// - FrameIndex: the frame shown; values outside the frames, or equal to the
//   current one, are ignored.
// - Animate: while on, the control moves to the next frame each time the
//   current frame's delay (held within 50..10000 ms) has passed, wrapping to
//   frame 0 after the last; with Loop off it switches itself off on reaching
//   frame 0. A picture with fewer than two frames never advances, and Animate
//   is not touched by loading.
#include <QImage>
#include <QWidget>

#include <vector>

class QTimer;

namespace korvana::online {

class TRxGIFAnimator : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FrameIndex READ frameIndex WRITE setFrameIndex)
    Q_PROPERTY(bool Animate READ animate WRITE setAnimate)
    Q_PROPERTY(bool Loop READ loop WRITE setLoop)

public:
    static constexpr int kMinFrameDelayMs = 50;
    static constexpr int kMaxFrameDelayMs = 10000;

    explicit TRxGIFAnimator(QWidget *parent = nullptr);

    // False (with error) when the file is not a readable GIF picture; the
    // control is then empty.
    bool loadFromFile(const QString &path, QString *error = nullptr);

    bool isEmpty() const { return m_frames.empty(); }
    int frameCount() const { return int(m_frames.size()); }
    // The delay after frame i, in ms, already held within the limits.
    int frameDelay(int i) const;
    QImage currentFrame() const;

    int frameIndex() const { return m_frameIndex; }
    void setFrameIndex(int index);
    bool animate() const { return m_animate; }
    void setAnimate(bool on);
    bool loop() const { return m_loop; }
    void setLoop(bool on) { m_loop = on; }

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void clearPicture();
    void scheduleNextFrame();
    void advance();

    std::vector<QImage> m_frames;
    std::vector<int> m_delays;
    int m_frameIndex = 0;
    bool m_animate = false;
    bool m_loop = false;
    bool m_pressed = false;
    QTimer *m_frameTimer;
};

}  // namespace korvana::online
