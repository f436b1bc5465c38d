// The yardstick: an empty Qt main window of the same client size, built with
// the same flags, ending as soon as it is first painted.
#include <QApplication>
#include <QMainWindow>

#include "bench/ui/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(924, 508);
    FirstPaint firstPaint(&window);
    window.show();
    return app.exec();
}
