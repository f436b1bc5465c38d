#pragma once
// The exact panel: a heading and one line per hand category, each with the
// exact chance as a percentage and as "1 in x", and a marker where the odds
// list's formula is far from it. Owner-drawn; it only shows what it is given
// and says which line the pointer is on.
#include <QList>
#include <QString>
#include <QWidget>

namespace korvana::ui {

class ExactPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 16;
    // The heading, its underline and a gap before the first line.
    static constexpr int kLinesTop = 18;

    struct Line {
        QString name;
        QString percent;
        QString oneIn;
        bool flagged = false;  // the formula differs from the exact chance
        QString tooltip;
    };

    explicit ExactPanel(QWidget* parent = nullptr);

    void setContent(QString heading, QList<Line> lines);
    const QString& heading() const { return heading_; }
    const QList<Line>& lines() const { return lines_; }

    QRect lineRect(int index) const;
    // Line under a point, or -1.
    int lineAt(QPoint point) const;
    // Tints a line while the pointer is on its row in the odds list; -1 for none.
    void setPointedLine(int line);

Q_SIGNALS:
    // The pointer moved onto another line; -1 when it left the lines.
    void hoveredLineChanged(int line);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setHovered(int line);

    QString heading_;
    QList<Line> lines_;
    int hovered_ = -1;
    int pointed_ = -1;
};

}  // namespace korvana::ui
