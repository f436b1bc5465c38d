// Tooltips: every control has its own text in both languages.
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "tooltip_texts.h"
#include "translation.h"

using namespace korvana;
using namespace korvana::ui;

class TooltipTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presentAndDistinct();
    void cardNames_data();
    void cardNames();
};

// The texts of one language: every tooltip, then the menu entries.
QStringList textsIn(Language language) {
    Translation translation;
    translation.use(language);
    QStringList texts;
    for (const TooltipControl control : kAllTooltipControls) texts << tooltipText(control);
    for (const MenuEntry entry : {MenuEntry::Edit, MenuEntry::Undo, MenuEntry::Redo,
                                  MenuEntry::Copy, MenuEntry::Paste, MenuEntry::HighContrastLights})
        texts << menuEntryText(entry);
    return texts;
}

QSet<QString> pickerTooltipsIn(Language language) {
    Translation translation;
    translation.use(language);
    QSet<QString> cards;
    for (const std::string& code : allCardCodes()) cards << pickerCardTooltip(*parseCardCode(code));
    return cards;
}

void TooltipTextsTest::presentAndDistinct() {
    const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁё]"));
    const QStringList english = textsIn(Language::English);
    const QStringList russian = textsIn(Language::Russian);
    QSet<QString> seen;
    for (qsizetype i = 0; i < english.size(); ++i) {
        QVERIFY2(!english[i].isEmpty() && !english[i].contains(cyrillic), qPrintable(english[i]));
        QVERIFY2(russian[i].contains(cyrillic), qPrintable(russian[i]));
        QVERIFY2(!seen.contains(english[i]) && !seen.contains(russian[i]), qPrintable(english[i]));
        seen << english[i] << russian[i];
    }
    QCOMPARE((pickerTooltipsIn(Language::English) + pickerTooltipsIn(Language::Russian)).size(),
             104);
}

void TooltipTextsTest::cardNames_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("Ah") << "Ah"
                        << "Ace of hearts"
                        << "Туз червей";
    QTest::newRow("Td") << "Td"
                        << "Ten of diamonds"
                        << "Десятка бубён";
    QTest::newRow("2c") << "2c"
                        << "Two of clubs"
                        << "Двойка треф";
    QTest::newRow("Qs") << "Qs"
                        << "Queen of spades"
                        << "Дама пик";
}

void TooltipTextsTest::cardNames() {
    QFETCH(QString, code);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    const Card card = *parseCardCode(code.toStdString());
    Translation translation;
    QCOMPARE(cardName(card), english);
    translation.use(Language::Russian);
    QCOMPARE(cardName(card), russian);
}

QTEST_GUILESS_MAIN(TooltipTextsTest)
#include "tooltip_texts_test.moc"
