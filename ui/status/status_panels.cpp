#include "ui/status/status_panels.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace korvana::ui {

namespace {
constexpr int kTextIndent = 3;
}

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StatusPanels::setPanelText(StatusPanel panel, const QString& text) {
    auto& slot = texts_[static_cast<size_t>(panel)];
    if (slot == text) return;
    slot = text;
    update(panelRect(panel));
}

void StatusPanels::setPanelToolTip(StatusPanel panel, const QString& toolTip) {
    toolTips_[static_cast<size_t>(panel)] = toolTip;
}

bool StatusPanels::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        if (panelRect(panel).contains(help->pos()) &&
            !toolTips_[static_cast<size_t>(panel)].isEmpty()) {
            QToolTip::showText(help->globalPos(), toolTips_[static_cast<size_t>(panel)], this,
                               panelRect(panel));
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

QRect StatusPanels::panelRect(int panel) const {
    int left = 0;
    for (int i = 0; i < panel; ++i) left += kPanelWidths[static_cast<size_t>(i)];
    return {left, 0, kPanelWidths[static_cast<size_t>(panel)], height()};
}

void StatusPanels::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width() - 1, 0);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        const QRect area = panelRect(panel);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(area.right(), 3, area.right(), area.bottom() - 2);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area.adjusted(kTextIndent, 1, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         texts_[static_cast<size_t>(panel)]);
    }
}

}  // namespace korvana::ui
