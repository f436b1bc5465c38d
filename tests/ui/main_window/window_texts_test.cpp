// Texts the window and its online widgets show that no window test reads on
// screen: the title with the built version, the licence file of each language
// and the new-version notice, each in the language of the translation in use.
#include <QTest>

#include "korvana_version.h"
#include "ui/common/window_texts.h"
#include "ui/main_window/translation.h"

using namespace korvana;
using namespace korvana::ui;

class WindowTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
};

// Each text is built only once its row's translation is in use.
using TextOf = QString (*)(Language);
Q_DECLARE_METATYPE(TextOf)

void WindowTextsTest::texts_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<TextOf>("text");
    QTest::addColumn<QString>("expected");
    const QString version = QLatin1String(kProgramVersion);
    const TextOf caption = [](Language) { return windowCaption(); };
    const TextOf licenceEntry = [](Language) { return windowText(WindowText::Licence); };
    const TextOf licenceFile = [](Language language) { return licenceFileName(language); };
    const TextOf newVersion = [](Language) { return windowText(WindowText::NewVersionAvailable); };
    QTest::newRow("caption, English")
        << Language::English << caption
        << "Korvana " + version + " - Poker hands analyzer, Texas Holdem odds calculator";
    QTest::newRow("caption, Russian")
        << Language::Russian << caption
        << "Korvana " + version +
               QString::fromUtf8(" - анализатор Покерных рук, калькулятор шансов Техас Холдем");
    QTest::newRow("licence entry")
        << Language::English << licenceEntry << QStringLiteral("Licence");
    QTest::newRow("licence file, English")
        << Language::English << licenceFile << QStringLiteral("eula_eng.txt");
    QTest::newRow("licence file, Russian")
        << Language::Russian << licenceFile << QStringLiteral("eula_rus.txt");
    QTest::newRow("new version, Russian")
        << Language::Russian << newVersion << QString::fromUtf8("Доступна новая версия");
}

void WindowTextsTest::texts() {
    QFETCH(Language, language);
    QFETCH(TextOf, text);
    QFETCH(QString, expected);
    Translation translation;
    translation.use(language);
    QCOMPARE(text(language), expected);
}

QTEST_GUILESS_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
