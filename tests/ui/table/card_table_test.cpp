// The card table: picker items, putting cards on and off, slot pictures, fold,
// and what is left when a picture cannot be loaded.
#include <QFile>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

#include "card_picker.h"
#include "odds_list.h"
#include "picture_loader.h"
#include "slot_picture.h"
#include "status_panels.h"
#include "window_fixture.h"

using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

SlotPicture* slotPicture(const MainWindow& window, int slot) {
    const QByteArray name = "slotPicture" + QByteArray::number(slot);
    return part<SlotPicture>(window, name.constData());
}

std::array<QImage, 7> slotImages(const MainWindow& window) {
    std::array<QImage, 7> images;
    for (int slot = 1; slot <= 7; ++slot)
        images[static_cast<size_t>(slot - 1)] = slotPicture(window, slot)->picture();
    return images;
}

// The picker's buttons drawn dimmed, as sorted card codes.
QStringList dimmedCards(const MainWindow& window) {
    const auto* picker = part<CardPicker>(window, "cardPicker");
    QStringList cards;
    for (int item = 0; item < kPickerItems; ++item)
        if (picker->isOnTable(item)) cards << pickerCardCode(item);
    cards.sort();
    return cards;
}

}  // namespace

class CardTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pickerItems_data();
    void pickerItems();
    void mouseClickOnPickerPutsCardAndPicture();
    void clicks_data();
    void clicks();
    void eighthCardStillRunsThePass();
    void slotPictureClick();
    void fold_data();
    void fold();
    void failingPictures_data();
    void failingPictures();
};

void CardTableTest::pickerItems_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("code");
    QTest::newRow("2c") << 0 << "2c";
    QTest::newRow("9c") << 7 << "9c";
    QTest::newRow("Tc") << 8 << "Tc";
    QTest::newRow("Jc") << 9 << "Jc";
    QTest::newRow("Qc") << 10 << "Qc";
    QTest::newRow("Kc") << 11 << "Kc";
    QTest::newRow("Ac") << 12 << "Ac";
    QTest::newRow("Td") << 21 << "Td";
    QTest::newRow("Ad") << 25 << "Ad";
    QTest::newRow("Ah") << 38 << "Ah";
    QTest::newRow("2s") << 39 << "2s";
    QTest::newRow("As") << 51 << "As";
}

void CardTableTest::pickerItems() {
    QFETCH(int, item);
    QFETCH(QString, code);
    QCOMPARE(pickerCardCode(item), code);
    QCOMPARE(pickerItem(pickerCard(item)), item);
}

void CardTableTest::mouseClickOnPickerPutsCardAndPicture() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"Ah"});  // a mouse click on the picker's button
    QCOMPARE(slotTexts(*window).first(), QStringLiteral("Ah"));
    QCOMPARE(slotImages(*window)[0], loadPicture(cardPicturePath(fixture.pictureFolder(), "Ah")));
    QCOMPARE(window->oddsRows().last(), QStringLiteral(" A High card   "));
    QVERIFY(fixture.errors.isEmpty());
}

void CardTableTest::clicks_data() {
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QStringList>("table");
    QTest::newRow("second click takes the card off")
        << QStringList{"Ah", "Kd", "Ah"} << QStringList{"", "Kd", "", "", "", "", ""};
    QTest::newRow("the gap is filled first")
        << QStringList{"Ah", "Kd", "Ah", "Qs"} << QStringList{"Qs", "Kd", "", "", "", "", ""};
    QTest::newRow("a card comes back to the first empty slot, not its old one")
        << QStringList{"Ah", "Kd", "Ah", "Kd", "Kd"} << QStringList{"Kd", "", "", "", "", "", ""};
    QTest::newRow("a pocket card taken back after the flop")
        << QStringList{"Ah", "Kd", "2c", "3c", "4c", "Ah", "9s"}
        << QStringList{"9s", "Kd", "2c", "3c", "4c", "", ""};
    QTest::newRow("an eighth card is ignored")
        << QStringList{"2c", "3c", "4c", "5c", "6c", "7c", "8c", "9c"}
        << QStringList{"2c", "3c", "4c", "5c", "6c", "7c", "8c"};
    QTest::newRow("the picker dims the cards on the table, and only those")
        << QStringList{"Qs", "2c", "Ah", "2c"} << QStringList{"Qs", "", "Ah", "", "", "", ""};
}

void CardTableTest::clicks() {
    QFETCH(QStringList, cards);
    QFETCH(QStringList, table);
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, cards);
    QCOMPARE(slotTexts(*window), table);
    QStringList onTable = table;
    onTable.removeAll(QString());
    onTable.sort();
    QCOMPARE(dimmedCards(*window), onTable);
    QVERIFY(fixture.errors.isEmpty());
}

void CardTableTest::eighthCardStillRunsThePass() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"2c", "3c", "4c", "5c", "6c", "7c", "8c"});
    part<OddsList>(*window, "oddsList")->setRows({});
    clickCards(*window, {"9c"});
    QCOMPARE(window->oddsRows().size(), 10);
}

void CardTableTest::slotPictureClick() {
    WindowFixture fixture;
    auto window = fixture.window();
    const QImage empty = loadPicture(emptySlotPicturePath(fixture.pictureFolder()));
    // Every slot shows the empty-slot picture from the first showing on.
    for (const QImage& picture : slotImages(*window)) QCOMPARE(picture, empty);
    clickCards(*window, {"Ah", "Kd"});

    clickSlot(*window, 1);
    QCOMPARE(slotTexts(*window).mid(0, 2), (QStringList{"", "Kd"}));
    QCOMPARE(slotPicture(*window, 1)->picture(), empty);
    QCOMPARE(window->oddsRows().last(), QStringLiteral(" K High card   "));
    clickSlot(*window, 7);
    QCOMPARE(slotPicture(*window, 7)->picture(), empty);
    QVERIFY(fixture.errors.isEmpty());
}

void CardTableTest::fold_data() {
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<int>("handsPlayed");
    QTest::newRow("empty table") << QStringList{} << 0;
    QTest::newRow("two cards are a hand") << QStringList{"Ah", "Kd"} << 1;
}

void CardTableTest::fold() {
    QFETCH(QStringList, cards);
    QFETCH(int, handsPlayed);
    WindowFixture fixture;
    auto window = fixture.window();
    const QImage empty = loadPicture(emptySlotPicturePath(fixture.pictureFolder()));

    // Twice: once by the button, once by the menu entry.
    clickCards(*window, cards);
    QTest::mouseClick(part<QToolButton>(*window, "foldButton"), Qt::LeftButton);
    clickCards(*window, cards);
    trigger(*window, "foldAction");

    QCOMPARE(slotTexts(*window), QStringList(7, QString()));
    QCOMPARE(dimmedCards(*window), QStringList());
    for (const QImage& picture : slotImages(*window)) QCOMPARE(picture, empty);
    QCOMPARE(window->handsPlayed(), 2 * handsPlayed);
    QCOMPARE(window->panelText(StatusPanel::HandsPlayed),
             QStringLiteral("Hands played: %1").arg(2 * handsPlayed));
    QCOMPARE(window->oddsRows().last(), QStringLiteral(" no High card "));
}

// A picture that cannot be loaded is reported with its full path. The table
// takes the whole action; the window stops showing it at the picture, so what
// was drawn before stays drawn and the rest waits for the next change.
void CardTableTest::failingPictures_data() {
    QTest::addColumn<QString>("action");
    // "missing:", "garbled:", "pipe:" or "folder:" and a file name; "" = no folder
    QTest::addColumn<QString>("brokenFile");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<bool>("listUpdated");
    QTest::addColumn<int>("handsPlayed");
    QTest::addColumn<QList<int>>("unchangedPictures");  // slot pictures that keep what they showed

    QTest::newRow("card without its picture folder")
        << "Jc"
        << ""
        << "Cannot open file \"%1Jc.jpg\". " << QStringList{"Ah", "Kd", "Qs", "Jc", "", "", ""}
        << false << 0 << QList<int>{3};
    QTest::newRow("card with an undecodable picture")
        << "Jc"
        << "garbled:Jc.jpg"
        << "Cannot open file \"%1Jc.jpg\". " << QStringList{"Ah", "Kd", "Qs", "Jc", "", "", ""}
        << false << 0 << QList<int>{3};
    QTest::newRow("card whose picture is a named pipe")
        << "Jc"
        << "pipe:Jc.jpg"
        << "Cannot open file \"%1Jc.jpg\". " << QStringList{"Ah", "Kd", "Qs", "Jc", "", "", ""}
        << false << 0 << QList<int>{3};
    QTest::newRow("empty-slot picture that is a folder")
        << "Kd"
        << "folder:nocard.jpg"
        << "Cannot open file \"%1nocard.jpg\". " << QStringList{"Ah", "", "Qs", "", "", "", ""}
        << false << 0 << QList<int>{1};
    QTest::newRow("card taken off without the empty-slot picture")
        << "Kd"
        << "missing:nocard.jpg"
        << "Cannot open file \"%1nocard.jpg\". " << QStringList{"Ah", "", "Qs", "", "", "", ""}
        << false << 0 << QList<int>{1};
    QTest::newRow("slot 1 picture: analysis before the picture")
        << "slot 1"
        << "missing:nocard.jpg"
        << "Cannot open file \"%1nocard.jpg\". " << QStringList{"", "Kd", "Qs", "", "", "", ""}
        << true << 0 << QList<int>{0};
    QTest::newRow("slot 3 picture: picture before the analysis")
        << "slot 3"
        << "missing:nocard.jpg"
        << "Cannot open file \"%1nocard.jpg\". " << QStringList{"Ah", "Kd", "", "", "", "", ""}
        << false << 0 << QList<int>{2};
    QTest::newRow("fold clears the slots and counts the hand")
        << "Fold"
        << ""
        << "Cannot open file \"%1nocard.jpg\". " << QStringList(7, QString()) << false << 1
        << QList<int>{0, 1, 2, 3, 4, 5, 6};
}

void CardTableTest::failingPictures() {
    QFETCH(QString, action);
    QFETCH(QString, brokenFile);
    QFETCH(QString, message);
    QFETCH(QStringList, table);
    QFETCH(bool, listUpdated);
    QFETCH(int, handsPlayed);
    QFETCH(QList<int>, unchangedPictures);
    WindowFixture fixture;
    const QString folder = fixture.folder() + QStringLiteral("/broken/");
    QVERIFY(writeCardPictures(folder));
    auto window = fixture.window(folder);
    clickCards(*window, {"Ah", "Kd", "Qs"});
    const QStringList rowsBefore = window->oddsRows();
    const std::array<QImage, 7> picturesBefore = slotImages(*window);

    if (brokenFile.isEmpty()) {
        QVERIFY(QDir(folder).removeRecursively());
    } else if (brokenFile.startsWith(QLatin1String("missing:"))) {
        QVERIFY(QFile::remove(folder + brokenFile.section(u':', 1)));
    } else if (brokenFile.startsWith(QLatin1String("pipe:"))) {
        const QString path = folder + brokenFile.section(u':', 1);
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (brokenFile.startsWith(QLatin1String("folder:"))) {
        const QString path = folder + brokenFile.section(u':', 1);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(folder + brokenFile.section(u':', 1));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a picture");
    }

    if (action == QLatin1String("Fold"))
        QTest::mouseClick(part<QToolButton>(*window, "foldButton"), Qt::LeftButton);
    else if (action.startsWith(QLatin1String("slot ")))
        clickSlot(*window, action.mid(5).toInt());
    else
        clickCards(*window, {action});

    QCOMPARE(fixture.errors.size(), 1);
    const QString expected = message.arg(QDir::toNativeSeparators(folder));
    QVERIFY2(fixture.errors.first().startsWith(expected), qPrintable(fixture.errors.first()));
    QVERIFY(fixture.errors.first().size() > expected.size());  // the system's reason follows
    QCOMPARE(slotTexts(*window), table);
    QCOMPARE(window->oddsRows() != rowsBefore, listUpdated);
    QCOMPARE(window->handsPlayed(), handsPlayed);
    QCOMPARE(window->panelText(StatusPanel::HandsPlayed),
             QStringLiteral("Hands played: %1").arg(handsPlayed));
    for (int slot : unchangedPictures)
        QCOMPARE(slotPicture(*window, slot + 1)->picture(), picturesBefore[slot]);
}

QTEST_MAIN(CardTableTest)
#include "card_table_test.moc"
