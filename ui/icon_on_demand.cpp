#include "icon_on_demand.h"

#include <QIconEngine>
#include <QPainter>
#include <optional>

namespace korvana::ui {

namespace {

class IconOnDemandEngine : public QIconEngine {
public:
    explicit IconOnDemandEngine(std::vector<std::pair<QString, QSize>> files)
        : files_(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    // The sizes are known without reading a file.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        if (mode != QIcon::Normal || state != QIcon::Off) return loaded().availableSizes(mode, state);
        QList<QSize> sizes;
        for (const auto& file : files_) sizes << file.second;
        return sizes;
    }
    bool isNull() override { return files_.empty(); }
    QString key() const override { return QStringLiteral("IconOnDemand"); }
    QIconEngine* clone() const override { return new IconOnDemandEngine(files_); }

private:
    const QIcon& loaded() {
        if (!icon_) {
            icon_.emplace();
            for (const auto& [path, size] : files_) icon_->addFile(path, size);
        }
        return *icon_;
    }

    std::vector<std::pair<QString, QSize>> files_;
    std::optional<QIcon> icon_;
};

}  // namespace

QIcon iconOnDemand(std::vector<std::pair<QString, QSize>> files) {
    return QIcon(new IconOnDemandEngine(std::move(files)));
}

}  // namespace korvana::ui
