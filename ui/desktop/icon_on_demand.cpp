#include "ui/desktop/icon_on_demand.h"

#include <QCommonStyle>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <optional>

namespace korvana::ui {

namespace {

class IconOnDemandEngine : public QIconEngine {
public:
    explicit IconOnDemandEngine(std::function<QIcon()> makeIcon) : makeIcon_(std::move(makeIcon)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
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
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded().isNull(); }
    QString key() const override { return QStringLiteral("IconOnDemand"); }
    QIconEngine* clone() const override {
        auto* copy = new IconOnDemandEngine(makeIcon_);
        copy->icon_ = icon_;
        return copy;
    }

private:
    const QIcon& loaded() {
        if (!icon_) icon_ = makeIcon_();
        return *icon_;
    }

    std::function<QIcon()> makeIcon_;
    std::optional<QIcon> icon_;
};

class IconsOnDemandStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        // Only the menu bar's overflow button, which asks without an option.
        // Should the player's style be gone by the time the picture is
        // needed, the common one draws it.
        if (icon == SP_ToolBarHorizontalExtensionButton && !option)
            return iconOnDemand([style = QPointer<QStyle>(baseStyle()), icon] {
                return style ? style->standardIcon(icon) : QCommonStyle().standardIcon(icon);
            });
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

}  // namespace

QIcon iconOnDemand(std::function<QIcon()> makeIcon) {
    return QIcon(new IconOnDemandEngine(std::move(makeIcon)));
}

QIcon iconOnDemand(std::vector<std::pair<QString, QSize>> files) {
    return iconOnDemand([files = std::move(files)] {
        QIcon icon;
        for (const auto& [path, size] : files) icon.addFile(path, size);
        return icon;
    });
}

QStyle* styleWithIconsOnDemand() {
    return new IconsOnDemandStyle;
}

}  // namespace korvana::ui
