#pragma once
// The status bar: five text panels of fixed width from the left edge
// (time passed, hands played, best hand, transparency, font colour).
#include <QString>
#include <QWidget>
#include <array>

namespace korvana::ui {

// The panels from left to right.
enum class StatusPanel { TimePassed, HandsPlayed, BestHand, Transparency, FontColour };

class StatusPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 5;
    static constexpr std::array<int, kPanelCount> kPanelWidths{150, 150, 160, 190, 190};

    explicit StatusPanels(QWidget* parent = nullptr);

    void setPanelText(StatusPanel panel, const QString& text);
    QString panelText(StatusPanel panel) const { return texts_[static_cast<size_t>(panel)]; }
    QRect panelRect(StatusPanel panel) const { return panelRect(static_cast<int>(panel)); }
    // The tooltip shown while the pointer is on the panel.
    void setPanelToolTip(StatusPanel panel, const QString& toolTip);
    QString panelToolTip(StatusPanel panel) const { return toolTips_[static_cast<size_t>(panel)]; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect panelRect(int panel) const;

    std::array<QString, kPanelCount> texts_;
    std::array<QString, kPanelCount> toolTips_;
};

}  // namespace korvana::ui
