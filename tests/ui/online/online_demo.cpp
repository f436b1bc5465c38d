// A bare main-window stand-in with the online services, for the shutdown test
// and for looking at the notice and the banners against a local site.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "about_window.h"
#include "online_services.h"
#include "translation.h"
#include "window_plan.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Online services on a plain 924 x 508 window."));
    parser.addHelpOption();
    const QCommandLineOption siteOption(
        QStringLiteral("site"), QStringLiteral("Base address of the site."), QStringLiteral("url"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            QStringLiteral("1 English, 2 Russian."),
                                            QStringLiteral("code"), QStringLiteral("1"));
    const QCommandLineOption closeOption(QStringLiteral("close-after"),
                                         QStringLiteral("Close the window after this many ms."),
                                         QStringLiteral("ms"));
    const QCommandLineOption shotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Save the window as PNG once the check is over, then quit."),
        QStringLiteral("file"));
    const QCommandLineOption stuckOption(QStringLiteral("stuck-name-lookup"),
                                         QStringLiteral("Use a name resolver that never answers."));
    const QCommandLineOption onceOption(
        QStringLiteral("name-lookup-once"),
        QStringLiteral("Use a name resolver that answers 127.0.0.1 once, then never again."));
    const QCommandLineOption aboutOption(
        QStringLiteral("about"),
        QStringLiteral("Open the About window; --screenshot then saves it instead."));
    parser.addOptions({siteOption, languageOption, closeOption, shotOption, stuckOption, onceOption,
                       aboutOption});
    parser.process(app);

    QWidget window;
    window.setFixedSize(924, 508);
    window.setWindowTitle(QStringLiteral("Korvana online services"));
    window.setStyleSheet(QStringLiteral("background: white"));
    const auto language = parser.value(languageOption) == QLatin1String("2")
                              ? korvana::Language::Russian
                              : korvana::Language::English;

    korvana::ui::Translation translation;
    translation.use(language);
    korvana::ui::OnlineOptions options;
    if (parser.isSet(siteOption)) options.webCheck.site.base = parser.value(siteOption);
    if (parser.isSet(stuckOption) || parser.isSet(onceOption)) {
        auto answered = std::make_shared<std::atomic<bool>>(!parser.isSet(onceOption));
        options.webCheck.nameResolver = [answered](const QByteArray&) {
            if (!answered->exchange(true)) return QList<QByteArray>{"127.0.0.1"};
            for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
        };
    }
    auto* online = new korvana::ui::OnlineServices(
        &window, [language] { return language; }, korvana::ui::kWindowPlan.online, options);
    window.show();
    online->startWebCheck();  // as at the window's first showing
    const bool about = parser.isSet(aboutOption);
    if (about) online->showAboutWindow();

    if (parser.isSet(closeOption)) {
        QTimer::singleShot(parser.value(closeOption).toInt(), &window, [&window] {
            QTextStream(stdout) << "closing" << Qt::endl;
            window.close();
        });
    }
    if (parser.isSet(shotOption)) {
        const QString file = parser.value(shotOption);
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [=, &window] {
            if (online->webCheckRunning()) return;
            poll->stop();
            QWidget* shown = about ? online->aboutWindow() : &window;
            shown->grab().save(file);
            window.close();
        });
        poll->start(100);
    }
    return app.exec();
}
