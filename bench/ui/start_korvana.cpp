// The program's own start (without the online services, which would reach for
// the network), ending as soon as the window is first painted.
#include <QApplication>

#include "app/application.h"
#include "bench/ui/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    auto window = korvana::ui::startProgram(app);
    FirstPaint firstPaint(window.get());
    window->show();
    return app.exec();
}
