#include "app/command_line.h"

#include <QCommandLineParser>
#include <QLoggingCategory>
#include <cstdio>
#include <cstdlib>

#include "engine/text/string_table.h"
#include "services/failure.h"
#include "settings/settings_store.h"
#include "ui/main_window/translation.h"

namespace korvana::ui {

namespace {

const QString kCommand = QStringLiteral("korvana");

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Texas Hold'em hand analyser and odds calculator: click the cards you know\n"
        "into the window and see how each poker hand stands. For the odds on the\n"
        "command line, without a window, use korvana-odds."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("history"),
        QCoreApplication::translate("CommandLine",
                                    "Open the hands of a hand-history file in the replay window."),
        QCoreApplication::translate("CommandLine", "file")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("verbose"),
        QCoreApplication::translate(
            "CommandLine", "Log every online request and its outcome on standard error.")));
}

// Environment values and arguments are the user's to choose; whatever they
// hold, the line printed stays one line.
QString printable(const QString& text) {
    QString shown;
    for (const QChar c : text) shown += (c.isPrint() || c.isSurrogate()) ? c : QChar(u'?');
    return shown;
}

QString platformArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") ||
            arguments[i] == QLatin1String("--platform"))
            return arguments[i + 1];
    }
    return {};
}

// What the window system had to go on, for the line that says it did not start.
QString displaySetting(const QStringList& arguments, const QProcessEnvironment& environment) {
    QStringList parts;
    if (const QString platform = platformArgument(arguments); !platform.isEmpty())
        parts << QStringLiteral("-platform %1").arg(platform);
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString key = QString::fromLatin1(name);
        if (environment.contains(key))
            parts << QStringLiteral("%1=%2").arg(key, environment.value(key));
    }
    return printable(parts.join(QStringLiteral(", ")));
}

void printLine(FILE* stream, const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

// The language last chosen in the window; English when none was, or when the
// settings cannot be read (the window will say why).
Language storedLanguage() {
    try {
        return SettingsStore::perUser().language().language.value_or(Language::English);
    } catch (const Failure&) {
        return Language::English;
    }
}

// Help and version on a window system that needs no display, so that Qt
// itself prints them, --help-all with Qt's own options included, and ends the
// program.
[[noreturn]] void answerInformation(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(kCommand);
    const std::string_view version = programVersion();
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size())));
    // Help in the language the player chose for the window.
    Translation translation;
    translation.use(storedLanguage());
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);
    // Only reached when what looked like help or version was the value of one
    // of the window system's own options ("-style --help").
    parser.showHelp(EXIT_FAILURE);
}

// Qt reports a window system that will not start through its message handler
// and aborts right after. The handler is a plain function, so what it needs
// lives here, and only while the window system starts.
struct StartMessages {
    QStringList held;
    QString failureLine;
};
StartMessages* startMessages = nullptr;

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (startMessages == nullptr) return;  // a late message from another thread
    if (type == QtFatalMsg) {
        // Qt's own explanation runs over many lines and ends in an abort; one
        // line and a plain failure status serve the user better.
        printLine(stderr, startMessages->failureLine);
        std::_Exit(EXIT_FAILURE);
    }
    startMessages->held << qFormatLogMessage(type, context, message);
}

std::unique_ptr<QApplication> startWindowSystem(int& argc, char** argv,
                                                const QString& failureLine) {
    StartMessages messages{{}, failureLine};
    startMessages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(holdStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    startMessages = nullptr;
    // It started after all: what it said on the way is still worth seeing.
    for (const QString& line : messages.held) printLine(stderr, line);
    return app;
}

// The window system's own options, which it takes off the command line when it
// starts; known here so that the rest can be judged before it starts, on a
// console too. Those of X11 are included: they are Qt's on xcb.
void acceptWindowSystemOptions(QCommandLineParser& parser) {
    const QStringList withValue = QStringLiteral(
                                      "platform platformpluginpath platformtheme plugin "
                                      "qwindowgeometry qwindowicon qwindowtitle session style "
                                      "stylesheet qmljsdebugger display geometry title icon name "
                                      "visual dialogs fontengine")
                                      .split(QLatin1Char(' '));
    const QStringList flags = QStringLiteral("reverse widgetcount testability nograb dograb sync")
                                  .split(QLatin1Char(' '));
    for (const QString& name : withValue) {
        QCommandLineOption option(name, {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : flags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

bool asksForInformation(const QStringList& arguments) {
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's own options are still in the list and count as unknown here.
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

QString missingDisplayLine(const QStringList& arguments, const QProcessEnvironment& environment) {
    const bool platformChosen = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
                                !platformArgument(arguments).isEmpty();
    const bool displayNamed = !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
                              !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (platformChosen || displayNamed) return {};
    return kCommand +
           QStringLiteral(
               ": cannot open the window: no display (DISPLAY and WAYLAND_DISPLAY are not set)");
}

QString badArgumentsLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describeOptions(parser);
    acceptWindowSystemOptions(parser);
    if (!parser.parse(arguments))
        return printable(kCommand + QStringLiteral(": ") + parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return printable(kCommand + QStringLiteral(": Unexpected argument '%1'.")
                                        .arg(parser.positionalArguments().first()));
    return {};
}

QString historyFileArgument(const QStringList& arguments) {
    QCommandLineParser parser;
    describeOptions(parser);
    acceptWindowSystemOptions(parser);
    parser.parse(arguments);
    return parser.value(QStringLiteral("history"));
}

WindowStart startFromCommandLine(int& argc, char** argv) {
    const QStringList arguments = argumentList(argc, argv);
    if (asksForInformation(arguments)) answerInformation(argc, argv);
    if (const QString line = badArgumentsLine(arguments); !line.isEmpty()) {
        printLine(stderr, line);
        return {nullptr, EXIT_FAILURE};
    }

    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (const QString line = missingDisplayLine(arguments, environment); !line.isEmpty()) {
        printLine(stderr, line);
        return {nullptr, EXIT_FAILURE};
    }
    const QString failureLine =
        kCommand + QStringLiteral(": cannot open the window: the window system did not start (") +
        displaySetting(arguments, environment) + QLatin1Char(')');
    WindowStart start{startWindowSystem(argc, argv, failureLine), EXIT_SUCCESS};
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    // Failures are logged anyway; this adds every request, as
    // QT_LOGGING_RULES=korvana.online.debug=true does.
    if (parser.isSet(QStringLiteral("verbose")))
        QLoggingCategory::setFilterRules(QStringLiteral("korvana.online.debug=true"));
    return start;
}

}  // namespace korvana::ui
