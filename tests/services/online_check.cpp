// One web check from the command line, ending with the line the About window
// shows of it: for trying the client by hand against a local or real site,
// over https or through the proxy the environment names.
//   korvana_online_check --site https://localhost:8443 --ca tests/services/data/test_authority.pem
// QT_LOGGING_RULES=korvana.online.debug=true shows every request and its outcome.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "services/web/web_check.h"

using namespace korvana::online;

namespace {

QString aboutLine(const VersionCheckOutcome& outcome) {
    const QString time = outcome.when.toString(QStringLiteral("HH:mm"));
    if (outcome.failure != ErrorKind::None)
        return QStringLiteral("Last check failed (%1): %2")
            .arg(QLatin1String(errorKindName(outcome.failure)), outcome.reason);
    if (namesAnotherVersion(outcome))
        return QStringLiteral("Last check: %1, version %2 available")
            .arg(time, QString::fromLatin1(outcome.version));
    return QStringLiteral("Last check: %1, no newer version").arg(time);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("One version check and banner download."));
    parser.addHelpOption();
    const QCommandLineOption siteOption(
        QStringLiteral("site"), QStringLiteral("Base address of the site."), QStringLiteral("url"));
    const QCommandLineOption caOption(
        QStringLiteral("ca"), QStringLiteral("Trust only the certificates in this PEM file."),
        QStringLiteral("file"));
    parser.addOptions({siteOption, caOption});
    parser.process(app);
    if (!parser.isSet(siteOption)) parser.showHelp(2);

    QTemporaryDir banners;
    WebCheckSetup setup;
    setup.site.base = parser.value(siteOption);
    setup.bannerFolder = banners.path();
    if (parser.isSet(caOption)) {
        QFile file(parser.value(caOption));
        if (!file.open(QIODevice::ReadOnly)) {
            QTextStream(stderr) << file.fileName() << ": " << file.errorString() << Qt::endl;
            return 2;
        }
        setup.trustedCertificates = file.readAll();
    }
    WebCheck check(setup, {});
    check.start(korvana::Language::English);
    auto* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, &app, [&] {
        if (check.running()) return;
        poll->stop();
        const auto outcome = check.lastVersionCheck();
        QTextStream(stdout) << (outcome ? aboutLine(*outcome) : QStringLiteral("No check ended"))
                            << Qt::endl;
        app.exit(outcome && outcome->failure == ErrorKind::None ? 0 : 1);
    });
    poll->start(50);
    return app.exec();
}
