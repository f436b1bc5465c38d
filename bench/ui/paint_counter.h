#pragma once
// Counts the paint events of the widgets it filters: the benchmarks wait for a
// repaint by watching it.
#include <QEvent>
#include <QObject>

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};
