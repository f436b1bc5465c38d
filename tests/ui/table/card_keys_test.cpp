// Keyboard card entry: typed key sequences, on both layouts, to what the window does.
#include <QSet>
#include <QTest>

#include "ui/table/card_keys.h"
#include "ui/main_window/translation.h"

using namespace korvana;
using namespace korvana::ui;

namespace {

// One typed character as the keyboard reports it: the key code is the
// upper-case character, Shift is held for capitals.
KeyPress typed(QChar ch, Qt::KeyboardModifiers extra = {}) {
    const QChar upper = ch.toUpper();
    const Qt::KeyboardModifiers shift = ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    if (extra & Qt::ControlModifier)  // Ctrl turns the text into a control character
        return {upper.unicode(), QString(QChar(upper.unicode() & 0x1f)), shift | extra};
    return {upper.unicode(), QString(ch), shift | extra};
}

// Plays keys written as text; <bs>, <esc>, <shift>, <tab>, <ctrl-X> name other keys.
// Each key's effect: R<rank so far>, C<card>, B take off, E cleared, F fold,
// ?<key> unknown key, !<key> suit first, - ignored.
QString play(const QString& keys) {
    CardKeys machine;
    QStringList shown;
    for (int i = 0; i < keys.size(); ++i) {
        KeyPress key;
        if (keys[i] == '<') {
            const int end = keys.indexOf('>', i);
            const QString name = keys.mid(i + 1, end - i - 1);
            i = end;
            if (name == "bs")
                key = {Qt::Key_Backspace, "\b", {}};
            else if (name == "esc")
                key = {Qt::Key_Escape, "\x1b", {}};
            else if (name == "shift")
                key = {Qt::Key_Shift, {}, Qt::ShiftModifier};
            else if (name == "tab")
                key = {Qt::Key_Tab, "\t", {}};
            else if (name.startsWith("ctrl-"))
                key = typed(name.back(), Qt::ControlModifier);
        } else {
            key = typed(keys[i]);
        }
        const KeyOutcome outcome = machine.press(key);
        switch (outcome.effect) {
            case KeyEffect::Ignored: shown << "-"; break;
            case KeyEffect::RankTyped: shown << "R" + machine.halfTypedRank(); break;
            case KeyEffect::CardTyped:
                shown << "C" + QString::fromStdString(cardCode(*outcome.card));
                break;
            case KeyEffect::TakeLastCardOff: shown << "B"; break;
            case KeyEffect::HalfTypedCleared: shown << "E"; break;
            case KeyEffect::Fold: shown << "F"; break;
            case KeyEffect::Rejected:
                shown << QString(outcome.rejection == KeyRejection::UnknownKey  ? "?"
                                 : outcome.rejection == KeyRejection::RankFirst ? "!"
                                                                                : "1?") +
                             outcome.keyText;
        }
    }
    return shown.join(' ');
}

}  // namespace

class CardKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sequences_data();
    void sequences();
    void russianLayoutIsTheUsKeyboard();
    void typedCardOnTheTable_data();
    void typedCardOnTheTable();
    void messages();
};

void CardKeysTest::sequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("effects");
    QTest::newRow("ranks and suits") << "Ah2c9dTs"
                                     << "RA CAh R2 C2c R9 C9d R10 CTs";
    QTest::newRow("any case") << "aHkDtS"
                              << "RA CAh RK CKd R10 CTs";
    QTest::newRow("ten as 10") << "10h1"
                               << "R1 R10 CTh R1";
    QTest::newRow("shift alone passes") << "<shift>K<shift>h"
                                        << "- RK - CKh";
    QTest::newRow("second rank replaces") << "KQh"
                                          << "RK RQ CQh";
    QTest::newRow("escape") << "K<esc><esc>h"
                            << "RK E - !h";
    QTest::newRow("backspace") << "<bs>K<bs><bs>"
                               << "B RK E B";
    QTest::newRow("unknown keys") << "xK+h"
                                  << "?x RK ?+ !h";
    QTest::newRow("1 then a suit") << "1s"
                                   << "R1 1?s";
    QTest::newRow("fold") << "K<ctrl-n>h"
                          << "RK F !h";
    QTest::newRow("other shortcuts pass") << "<ctrl-z><ctrl-y><tab> "
                                          << "- - - -";
    // The same physical keys on the Russian layout: ф=A р=H л=K в=D е=T ы=S о=J с=C й=Q.
    QTest::newRow("russian layout") << "фрлвеыосйр"
                                    << "RA CAh RK CKd R10 CTs RJ CJc RQ CQh";
    QTest::newRow("russian capitals") << "ФРЛВ10Ы"
                                      << "RA CAh RK CKd R1 R10 CTs";
    QTest::newRow("russian fold") << "<ctrl-т>"
                                  << "F";
    QTest::newRow("russian unknown") << "ж"
                                     << "?ж";
}

void CardKeysTest::sequences() {
    QFETCH(QString, keys);
    QFETCH(QString, effects);
    QCOMPARE(play(keys), effects);
}

// Every letter of the Russian layout lands on the US key in the same place.
void CardKeysTest::russianLayoutIsTheUsKeyboard() {
    const QString russian = QStringLiteral("йцукенгшщзхъфывапролджэячсмитьбюё");
    const QString us = QStringLiteral("qwertyuiop[]asdfghjkl;'zxcvbnm,.`");
    for (int i = 0; i < russian.size(); ++i) {
        QCOMPARE(latinKeyOf(russian[i]), us[i]);
        QCOMPARE(latinKeyOf(russian[i].toUpper()), us[i]);
    }
    QCOMPARE(latinKeyOf(QChar('K')), QChar('k'));
}

void CardKeysTest::typedCardOnTheTable_data() {
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QString>("card");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<int>("lastSlot");
    QTest::newRow("empty table") << QStringList{} << "Ah" << int(TypedCardVerdict::Place) << 0;
    QTest::newRow("already there")
        << QStringList{"Kd", "Ah"} << "Ah" << int(TypedCardVerdict::AlreadyOnTable) << 2;
    QTest::newRow("a hole") << QStringList{"", "Kd", "", "2c"} << "Ah"
                            << int(TypedCardVerdict::Place) << 4;
    QTest::newRow("eighth card") << QStringList{"2c", "3c", "4c", "5c", "6c", "7c", "8c"} << "Ah"
                                 << int(TypedCardVerdict::NoRoom) << 7;
}

void CardKeysTest::typedCardOnTheTable() {
    QFETCH(QStringList, table);
    QFETCH(QString, card);
    QFETCH(int, verdict);
    QFETCH(int, lastSlot);
    Hand hand;
    for (int i = 0; i < table.size(); ++i)
        if (!table[i].isEmpty()) hand.place(i + 1, *parseCardCode(table[i].toStdString()));
    QCOMPARE(int(judgeTypedCard(hand, *parseCardCode(card.toStdString()))), verdict);
    QCOMPARE(lastOccupiedSlot(hand).value_or(0), lastSlot);
}

// Each message exists in both languages, differs between them and from the
// others, and names its detail.
void CardKeysTest::messages() {
    const auto messagesIn = [](Language language) {
        Translation translation;
        translation.use(language);
        QStringList texts;
        for (const auto message : {CardKeyMessage::HalfTyped, CardKeyMessage::UnknownKey,
                                   CardKeyMessage::RankFirst, CardKeyMessage::AlreadyOnTable,
                                   CardKeyMessage::NoRoom, CardKeyMessage::TenUnfinished,
                                   CardKeyMessage::NothingToTakeOff})
            texts << cardKeyMessage(message, QStringLiteral("Q\u2665"));
        return texts;
    };
    const QStringList english = messagesIn(Language::English);
    const QStringList russian = messagesIn(Language::Russian);
    for (const QStringList& texts : {english, russian}) {
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QVERIFY(!texts[i].isEmpty());
            // The last two, the unfinished ten and nothing to take off, have no detail.
            QVERIFY(i >= texts.size() - 2 || texts[i].contains(QStringLiteral("Q\u2665")));
        }
    }
    for (qsizetype i = 0; i < english.size(); ++i) QVERIFY(english[i] != russian[i]);
}

QTEST_GUILESS_MAIN(CardKeysTest)
#include "card_keys_test.moc"
