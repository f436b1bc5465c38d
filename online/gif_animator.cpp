#include "gif_animator.h"

#include "gif_layout.h"
#include "http_client.h"
#include "regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace korvana::online {

namespace {
// Decoded frames are full-size images; a small file can expand to many of
// them, so the total is capped like any other resource from the network.
// Each frame also costs bookkeeping beyond its pixels, which a picture of
// thousands of tiny frames would otherwise get for free.
constexpr qint64 kMaxDecodedBytes = 64 * 1024 * 1024;
constexpr qint64 kFrameOverheadBytes = 4 * 1024;
constexpr int kMaxFrames = 2000;

qint64 decodedFrameBytes(qint64 width, qint64 height) { return width * height * 4 + kFrameOverheadBytes; }

int heldDelay(int ms) { return std::clamp(ms, TRxGIFAnimator::kMinFrameDelayMs, TRxGIFAnimator::kMaxFrameDelayMs); }

}  // namespace

TRxGIFAnimator::TRxGIFAnimator(QWidget *parent) : QWidget(parent), m_frameTimer(new QTimer(this))
{
    m_frameTimer->setSingleShot(true);
    connect(m_frameTimer, &QTimer::timeout, this, &TRxGIFAnimator::advance);
    setMouseTracking(true);  // mouse-move events without a pressed button
    setCursor(Qt::PointingHandCursor);
}

bool TRxGIFAnimator::loadFromFile(const QString &path, QString *error)
{
    clearPicture();

    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };

    QFile file(path);
    QString why;
    if (!korvana::openRegularFile(file, &why))
        return fail(why);
    if (file.size() > kPictureLimit)
        return fail(QStringLiteral("picture file too large"));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());

    // A picture is shown only when every one of its frames is there: a cut
    // or damaged file fails instead of showing a blank or partial banner.
    const GifLayout layout = readGifLayout(data);
    if (!layout.complete)
        return fail(QStringLiteral("damaged GIF picture"));
    const auto frameCount = qint64(layout.delays.size());
    if (frameCount > kMaxFrames)
        return fail(QStringLiteral("picture has more than %1 frames").arg(kMaxFrames));
    // The decoder gives every frame the size of the whole picture.
    if (frameCount * decodedFrameBytes(layout.screenWidth, layout.screenHeight) > kMaxDecodedBytes)
        return fail(QStringLiteral("picture too large when decoded"));

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    std::vector<int> delays;
    qint64 decodedBytes = 0;
    QImage frame;
    while (reader.read(&frame)) {
        decodedBytes += frame.sizeInBytes() + kFrameOverheadBytes;
        if (decodedBytes > kMaxDecodedBytes || qint64(frames.size()) >= kMaxFrames)
            return fail(QStringLiteral("picture too large when decoded"));
        const std::size_t i = frames.size();
        frames.push_back(frame);
        delays.push_back(heldDelay(int(layout.delays[i]) * 10));
        if (qint64(frames.size()) == frameCount)
            break;
    }
    if (frames.empty())
        return fail(reader.errorString());
    if (qint64(frames.size()) != frameCount)
        return fail(QStringLiteral("damaged GIF picture"));

    m_frames = std::move(frames);
    m_delays = std::move(delays);
    m_frameIndex = 0;
    resize(m_frames.front().size());
    update();
    scheduleNextFrame();
    return true;
}

int TRxGIFAnimator::frameDelay(int i) const
{
    return (i >= 0 && i < frameCount()) ? m_delays[std::size_t(i)] : 0;
}

QImage TRxGIFAnimator::currentFrame() const
{
    return isEmpty() ? QImage() : m_frames[std::size_t(m_frameIndex)];
}

void TRxGIFAnimator::setFrameIndex(int index)
{
    if (index < 0 || index >= frameCount() || index == m_frameIndex)
        return;
    m_frameIndex = index;
    update();
    scheduleNextFrame();
}

void TRxGIFAnimator::setAnimate(bool on)
{
    if (on == m_animate)
        return;
    m_animate = on;
    if (on)
        scheduleNextFrame();
    else
        m_frameTimer->stop();
}

void TRxGIFAnimator::clearPicture()
{
    m_frameTimer->stop();
    m_frames.clear();
    m_delays.clear();
    m_frameIndex = 0;
    update();
}

void TRxGIFAnimator::scheduleNextFrame()
{
    if (m_animate && frameCount() >= 2)
        m_frameTimer->start(frameDelay(m_frameIndex));
    else
        m_frameTimer->stop();
}

void TRxGIFAnimator::advance()
{
    if (!m_animate || frameCount() < 2)
        return;
    m_frameIndex = (m_frameIndex + 1) % frameCount();
    update();
    if (m_frameIndex == 0 && !m_loop) {
        m_animate = false;
        return;
    }
    scheduleNextFrame();
}

void TRxGIFAnimator::paintEvent(QPaintEvent * /*event*/)
{
    if (isEmpty())
        return;
    QPainter painter(this);
    // Not transparent: the picture's see-through pixels show the window colour.
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPoint(0, 0), m_frames[std::size_t(m_frameIndex)]);
}

void TRxGIFAnimator::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved();
    QWidget::mouseMoveEvent(event);
}

void TRxGIFAnimator::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TRxGIFAnimator::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace korvana::online
