// The card picker on its own: cards on the table are drawn dimmed, every other
// button exactly as before, and a dimmed card still clicks.
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "engine/cards/card.h"
#include "engine/cards/hand.h"
#include "engine/rows/exact_text.h"
#include "ui/table/card_picker.h"
#include "ui/table/card_table.h"

using namespace korvana;
using namespace korvana::ui;

namespace {

// Spread of the grey levels inside one button's edges: how much what it shows
// stands out.
double contrast(const QImage& picture, const QRect& button) {
    const QRect rect = button.adjusted(5, 4, -5, -4);
    double sum = 0, squares = 0;
    const int pixels = rect.width() * rect.height();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const double grey = qGray(picture.pixel(x, y));
            sum += grey;
            squares += grey * grey;
        }
    const double mean = sum / pixels;
    return std::sqrt(squares / pixels - mean * mean);
}

Hand handOf(const QStringList& cards) {
    Hand hand;
    for (const QString& code : cards) hand.toggleCard(*parseCardCode(code.toStdString()));
    return hand;
}

QImage drawn(CardPicker& picker) {
    return picker.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class CardPickerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cardsOnTableAreDimmed_data();
    void cardsOnTableAreDimmed();
};

void CardPickerTest::cardsOnTableAreDimmed_data() {
    QTest::addColumn<bool>("withFaces");
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QStringList>("later");  // the table after a change
    QTest::newRow("faces, one card") << true << QStringList{"Ah"} << QStringList{};
    QTest::newRow("faces, seven cards, then a fold")
        << true << QStringList{"2c", "Tc", "Qd", "Ah", "Kh", "9s", "As"} << QStringList{};
    QTest::newRow("faces, a card taken off and another put on")
        << true << QStringList{"Ah", "Kd"} << QStringList{"Kd", "7s"};
    QTest::newRow("card codes in place of missing faces")
        << false << QStringList{"Jd", "3h"} << QStringList{"3h"};
}

void CardPickerTest::cardsOnTableAreDimmed() {
    QFETCH(bool, withFaces);
    QFETCH(QStringList, table);
    QFETCH(QStringList, later);
    CardPicker picker(withFaces ? loadCardFaces(1.0) : std::vector<QImage>{});
    picker.resize(CardPicker::kColumns * CardPicker::kButtonWidth, 4 * CardPicker::kButtonHeight);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    const QImage plain = drawn(picker);

    for (const QStringList& cards : {table, later}) {
        picker.setCardsOnTable(handOf(cards));
        const QImage shown = drawn(picker);
        for (int item = 0; item < kPickerItems; ++item) {
            const QString code = pickerCardCode(item);
            const QRect rect = picker.buttonRect(item);
            QCOMPARE(picker.isOnTable(item), cards.contains(code));
            if (cards.contains(code))
                QVERIFY2(contrast(shown, rect) < 0.6 * contrast(plain, rect), qPrintable(code));
            else
                QVERIFY2(shown.copy(rect) == plain.copy(rect), qPrintable(code));
        }
    }

    // A dimmed card is still a button: its click is what takes it off the table.
    picker.setCardsOnTable(handOf(table));
    QSignalSpy clicked(&picker, &CardPicker::itemClicked);
    const int item = pickerItem(*parseCardCode(table.first().toStdString()));
    QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.buttonRect(item).center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toInt(), item);
}

QTEST_MAIN(CardPickerTest)
#include "card_picker_test.moc"
