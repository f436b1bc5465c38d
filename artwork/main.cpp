// korvana-card-artwork: draws the deck, the picker faces and the icon at build time,
// so the repository carries no picture files.
#include "artwork/artwork_error.h"
#include "artwork/artwork_writer.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

using namespace korvana::artwork;

int main(int argc, char* argv[]) {
    // A build machine has no display; the offscreen platform still gives fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("korvana-card-artwork"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the Korvana card pictures, picker faces and icon."));
    parser.addHelpOption();
    const QCommandLineOption images(
        QStringLiteral("images"),
        QStringLiteral("Write the 52 card pictures and nocard.jpg, plain and @2x, into <folder>."),
        QStringLiteral("folder"));
    const QCommandLineOption faces(
        QStringLiteral("faces"),
        QStringLiteral("Write the 52 small picker faces, plain and @2x, into <folder>."),
        QStringLiteral("folder"));
    const QCommandLineOption icons(QStringLiteral("icons"),
                                   QStringLiteral("Write korvana-<size>.png icons into <folder>."),
                                   QStringLiteral("folder"));
    const QCommandLineOption iconTheme(
        QStringLiteral("icon-theme"),
        QStringLiteral("Write <size>x<size>/apps/korvana.png under <folder>."),
        QStringLiteral("folder"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                   QStringLiteral("Write an overview of all pictures to <file>."),
                                   QStringLiteral("file"));
    parser.addOptions({images, faces, icons, iconTheme, sheet});
    parser.process(app);  // exits with a message on an unknown option

    const auto usageError = [&](const char* message) {
        std::fprintf(stderr, "korvana-card-artwork: %s\n\n%s", message,
                     qPrintable(parser.helpText()));
        return 2;
    };
    if (!parser.positionalArguments().isEmpty()) return usageError("unexpected argument");
    const bool anything = parser.isSet(images) || parser.isSet(faces) || parser.isSet(icons) ||
                          parser.isSet(iconTheme) || parser.isSet(sheet);
    if (!anything) return usageError("nothing to write: name at least one output");

    try {
        if (parser.isSet(images)) writeCardPictures(parser.value(images));
        if (parser.isSet(faces)) writeCardFaces(parser.value(faces));
        if (parser.isSet(icons)) writeIcons(parser.value(icons));
        if (parser.isSet(iconTheme)) writeIconTheme(parser.value(iconTheme));
        if (parser.isSet(sheet)) writeContactSheet(parser.value(sheet));
    } catch (const ArtworkError& error) {
        std::fprintf(stderr, "korvana-card-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
