// Tooltips: every control has its own text in both languages.
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "tooltip_texts.h"

using namespace korvana;
using namespace korvana::ui;

class TooltipTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presentAndDistinct();
    void cardNames_data();
    void cardNames();
};

void TooltipTextsTest::presentAndDistinct() {
    const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁё]"));
    QSet<QString> seen;
    for (const TooltipControl control : kAllTooltipControls) {
        const QString english = tooltipText(Language::English, control);
        const QString russian = tooltipText(Language::Russian, control);
        QVERIFY2(!english.isEmpty() && !english.contains(cyrillic), qPrintable(english));
        QVERIFY2(russian.contains(cyrillic), qPrintable(russian));
        QVERIFY2(!seen.contains(english) && !seen.contains(russian), qPrintable(english));
        seen << english << russian;
    }
    for (const MenuEntry entry : {MenuEntry::TypingCards, MenuEntry::Undo, MenuEntry::Redo,
                                  MenuEntry::HighContrastLights}) {
        const QString english = menuEntryText(Language::English, entry);
        const QString russian = menuEntryText(Language::Russian, entry);
        QVERIFY(!english.isEmpty() && russian.contains(cyrillic) && !seen.contains(english));
        seen << english << russian;
    }
    QSet<QString> cards;
    for (const Language language : {Language::English, Language::Russian})
        for (const std::string& code : allCardCodes())
            cards << pickerCardTooltip(language, *parseCardCode(code));
    QCOMPARE(cards.size(), 104);
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
    QCOMPARE(cardName(Language::English, card), english);
    QCOMPARE(cardName(Language::Russian, card), russian);
}

QTEST_GUILESS_MAIN(TooltipTextsTest)
#include "tooltip_texts_test.moc"
