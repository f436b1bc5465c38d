// Texts the window and its online widgets show that no window test reads on
// screen: the title with the built version, the licence file of each language
// and the new-version notice.
#include <QTest>

#include "korvana_version.h"
#include "window_texts.h"

using namespace korvana;
using namespace korvana::ui;

class WindowTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
};

void WindowTextsTest::texts_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    const QString version = QLatin1String(kProgramVersion);
    QTest::newRow("caption, English")
        << windowCaption(Language::English)
        << "Korvana " + version + " - Poker hands analyzer, Texas Holdem odds calculator";
    QTest::newRow("caption, Russian")
        << windowCaption(Language::Russian)
        << "Korvana " + version +
               QString::fromUtf8(" - анализатор Покерных рук, калькулятор шансов Техас Холдем");
    QTest::newRow("licence entry")
        << windowText(Language::English, WindowText::Licence) << QStringLiteral("Licence");
    QTest::newRow("licence file, English")
        << licenceFileName(Language::English) << QStringLiteral("eula_eng.txt");
    QTest::newRow("licence file, Russian")
        << licenceFileName(Language::Russian) << QStringLiteral("eula_rus.txt");
    QTest::newRow("new version, Russian")
        << windowText(Language::Russian, WindowText::NewVersionAvailable)
        << QString::fromUtf8("Доступна новая версия");
}

void WindowTextsTest::texts() {
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

QTEST_APPLESS_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
