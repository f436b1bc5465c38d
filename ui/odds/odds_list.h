#pragma once
// The odds list: ten rows of 16 pixels inside a sunken two-pixel frame. It
// only holds the rows; each row is painted by a row painter it is given, so the
// window decides the colours.
#include <QStringList>
#include <QWidget>
#include <functional>

namespace korvana::ui {

class OddsList : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kFrameWidth = 2;

    using RowPainter = std::function<void(QPainter& painter, int index, const QRect& rect)>;

    explicit OddsList(QWidget* parent = nullptr);

    void setRowPainter(RowPainter paintRow) { paintRow_ = std::move(paintRow); }
    void setRows(QStringList rows);
    const QStringList& rows() const { return rows_; }
    // Rectangle of row index inside the frame.
    QRect rowRect(int index) const;
    // The list's own background, seen where no row is painted.
    QColor background() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList rows_;
    RowPainter paintRow_;
};

}  // namespace korvana::ui
