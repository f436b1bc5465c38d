#include "gif_animator.h"

#include "http_client.h"

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
constexpr qint64 kMaxDecodedBytes = 64 * 1024 * 1024;

// Skips a chain of data sub-blocks starting at pos; returns the position after
// its terminator, or -1 when the data ends first.
qsizetype skipSubBlocks(const QByteArray &data, qsizetype pos)
{
    while (pos < data.size()) {
        const auto length = static_cast<unsigned char>(data[pos]);
        ++pos;
        if (length == 0)
            return pos;
        pos += length;
    }
    return -1;
}

// The delay of each image in the GIF stream, in hundredths of a second, as
// the file stores it (0 for an image without a graphic control block). Qt's
// reader reports stored delays of 0 and 1 as 100 ms, which would slow down
// banners meant to run at the fastest rate, so the values are read here.
std::vector<int> storedDelays(const QByteArray &data)
{
    std::vector<int> delays;
    if (data.size() < 13 || !data.startsWith("GIF"))
        return delays;
    auto byte = [&data](qsizetype i) { return static_cast<unsigned char>(data[i]); };
    auto colourTableSize = [](unsigned char flags) { return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0; };
    qsizetype pos = 13 + colourTableSize(byte(10));
    int pending = 0;
    while (pos >= 0 && pos < data.size()) {
        const unsigned char introducer = byte(pos++);
        if (introducer == 0x21) {  // extension
            if (pos >= data.size())
                break;
            const unsigned char label = byte(pos++);
            if (label == 0xf9 && pos + 3 < data.size() && byte(pos) >= 4)
                pending = byte(pos + 2) | (byte(pos + 3) << 8);
            else if (label == 0x01)  // plain text: a graphic block of its own
                pending = 0;
            pos = skipSubBlocks(data, pos);
        } else if (introducer == 0x2c) {  // image
            if (pos + 9 > data.size())
                break;
            delays.push_back(pending);
            pending = 0;
            pos += 9 + colourTableSize(byte(pos + 8)) + 1;  // descriptor, local table, code size
            pos = skipSubBlocks(data, pos);
        } else {
            break;  // trailer or damage
        }
    }
    return delays;
}

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
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > kPictureLimit)
        return fail(QStringLiteral("picture file too large"));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    const std::vector<int> stored = storedDelays(data);

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    std::vector<int> delays;
    qint64 decodedBytes = 0;
    QImage frame;
    while (reader.read(&frame)) {
        decodedBytes += frame.sizeInBytes();
        if (decodedBytes > kMaxDecodedBytes)
            return fail(QStringLiteral("picture too large when decoded"));
        const std::size_t i = frames.size();
        frames.push_back(frame);
        delays.push_back(heldDelay(i < stored.size() ? stored[i] * 10 : reader.nextImageDelay()));
    }
    if (frames.empty())
        return fail(reader.errorString());

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
