// A second yardstick: the empty main window with one line of text, so the
// system's font set-up, which any window with text pays, shows on its own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "bench/ui/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(924, 508);
    auto* label = new QLabel(QStringLiteral("Korvana"));
    window.setCentralWidget(label);
    FirstPaint firstPaint(&window);
    window.show();
    return app.exec();
}
