#include <QApplication>

#include "application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvana::ui::prepareApplication(app);
    auto window = korvana::ui::createMainWindow();
    window->show();
    return app.exec();
}
