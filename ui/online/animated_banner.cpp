#include "ui/online/animated_banner.h"

#include "services/gif_layout.h"
#include "services/http_limits.h"
#include "services/regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace korvana::ui {

namespace {
// Decoded frames are full-size images; a small file can expand to many of
// them, so the total is capped like any other resource from the network.
// Each frame also costs bookkeeping beyond its pixels, which a picture of
// thousands of tiny frames would otherwise get for free.
constexpr qint64 kMaxDecodedBytes = 64 * 1024 * 1024;
constexpr qint64 kFrameOverheadBytes = 4 * 1024;
constexpr int kMaxFrames = 2000;

qint64 decodedFrameBytes(qint64 width, qint64 height) {
    return width * height * 4 + kFrameOverheadBytes;
}

int heldDelay(int ms) {
    return std::clamp(ms, AnimatedBanner::kMinFrameDelayMs, AnimatedBanner::kMaxFrameDelayMs);
}

}  // namespace

AnimatedBanner::AnimatedBanner(QWidget* parent) : QWidget(parent), frameTimer_(new QTimer(this)) {
    frameTimer_->setSingleShot(true);
    connect(frameTimer_, &QTimer::timeout, this, &AnimatedBanner::advance);
    setMouseTracking(true);  // mouse-move events without a pressed button
    setCursor(Qt::PointingHandCursor);
}

bool AnimatedBanner::loadFromFile(const QString& path, QString* error) {
    clearPicture();

    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };

    QFile file(path);
    QString why;
    if (!korvana::openRegularFile(file, &why)) return fail(why);
    if (file.size() > online::kPictureLimit) return fail(QStringLiteral("picture file too large"));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());

    // A picture is shown only when every one of its frames is there: a cut
    // or damaged file fails instead of showing a blank or partial banner.
    const online::GifLayout layout = online::readGifLayout(data);
    if (!layout.complete) return fail(QStringLiteral("damaged GIF picture"));
    const auto frameCount = qint64(layout.delays.size());
    if (frameCount > kMaxFrames)
        return fail(QStringLiteral("picture has more than %1 frames").arg(kMaxFrames));
    // The decoder gives every frame the size of its canvas.
    if (frameCount * decodedFrameBytes(layout.canvasWidth, layout.canvasHeight) > kMaxDecodedBytes)
        return fail(QStringLiteral("picture too large when decoded"));

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    std::vector<int> delays;
    qint64 decodedBytes = 0;
    QImage frame;
    while (reader.read(&frame)) {
        // A frame the layout did not count means the two readers split the
        // file differently: nothing about the picture can be trusted then.
        if (qint64(frames.size()) >= frameCount) return fail(QStringLiteral("damaged GIF picture"));
        decodedBytes += frame.sizeInBytes() + kFrameOverheadBytes;
        if (decodedBytes > kMaxDecodedBytes)
            return fail(QStringLiteral("picture too large when decoded"));
        delays.push_back(heldDelay(layout.delays[frames.size()] * 10));
        frames.push_back(frame);
    }
    if (frames.empty()) return fail(reader.errorString());
    if (qint64(frames.size()) != frameCount) return fail(QStringLiteral("damaged GIF picture"));

    frames_ = std::move(frames);
    delays_ = std::move(delays);
    frameIndex_ = 0;
    resize(frames_.front().size());
    update();
    scheduleNextFrame();
    return true;
}

int AnimatedBanner::frameDelay(int i) const {
    return (i >= 0 && i < frameCount()) ? delays_[std::size_t(i)] : 0;
}

QImage AnimatedBanner::currentFrame() const {
    return isEmpty() ? QImage() : frames_[std::size_t(frameIndex_)];
}

void AnimatedBanner::setFrameIndex(int index) {
    if (index < 0 || index >= frameCount() || index == frameIndex_) return;
    frameIndex_ = index;
    update();
    scheduleNextFrame();
}

void AnimatedBanner::setAnimate(bool on) {
    if (on == animate_) return;
    animate_ = on;
    if (on)
        scheduleNextFrame();
    else
        frameTimer_->stop();
}

void AnimatedBanner::clearPicture() {
    frameTimer_->stop();
    frames_.clear();
    delays_.clear();
    frameIndex_ = 0;
    update();
}

void AnimatedBanner::scheduleNextFrame() {
    if (animate_ && frameCount() >= 2)
        frameTimer_->start(frameDelay(frameIndex_));
    else
        frameTimer_->stop();
}

void AnimatedBanner::advance() {
    if (!animate_ || frameCount() < 2) return;
    frameIndex_ = (frameIndex_ + 1) % frameCount();
    update();
    if (frameIndex_ == 0 && !loop_) {
        animate_ = false;
        return;
    }
    scheduleNextFrame();
}

void AnimatedBanner::paintEvent(QPaintEvent* /*event*/) {
    if (isEmpty()) return;
    QPainter painter(this);
    // Not transparent: the picture's see-through pixels show the window colour.
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPoint(0, 0), frames_[std::size_t(frameIndex_)]);
}

void AnimatedBanner::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved();
    QWidget::mouseMoveEvent(event);
}

void AnimatedBanner::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void AnimatedBanner::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace korvana::ui
