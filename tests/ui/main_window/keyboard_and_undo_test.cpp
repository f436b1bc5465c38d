// The window's keyboard card entry and its undo history: typed keys to the
// slots and the status message, undo and redo to the whole visible state.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/main_window/radio_group.h"
#include "ui/status/status_panels.h"
#include "ui/table/slot_picture.h"

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

// Sends keys written as text to a control of the window, as the keyboard
// reports them: the key code is the upper-case character, Shift is held for
// capitals. <bs>, <esc>, <right>, <left> and <ctrl-X> name other keys.
void typeKeys(QWidget* target, const QString& keys) {
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i] != '<') {
            const QChar ch = keys[i];
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.toUpper().unicode()), QString(ch),
                                ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
            continue;
        }
        const int end = keys.indexOf('>', i);
        const QString name = keys.mid(i + 1, end - i - 1);
        i = end;
        if (name.startsWith("ctrl-")) {
            const QChar ch = name.back().toUpper();
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.unicode()),
                                QString(QChar(ch.unicode() & 0x1f)), Qt::ControlModifier);
            continue;
        }
        const Qt::Key key = name == "bs"      ? Qt::Key_Backspace
                            : name == "esc"   ? Qt::Key_Escape
                            : name == "right" ? Qt::Key_Right
                                              : Qt::Key_Left;
        QTest::keyClick(target, key);
    }
}

QString slotsShown(const MainWindow& window) {
    QStringList cards = slotTexts(window);
    for (QString& slot : cards)
        if (slot.isEmpty()) slot = "-";
    return cards.join(' ');
}

// Plays player moves on a window: a card code clicks the picker, #Ah types
// a card, slotN clicks a slot, fold / flop / turn / river / auto click those
// controls, undo / redo trigger the menu entries, ^z ^Z ^y press the keys,
// opponents:N sets the number of opponents, rangeN:TEXT types opponent N's
// range and presses Return, dead:CARD right-clicks the card in the picker.
void play(MainWindow& window, const QString& moves) {
    for (const QString& move : moves.split(' ', Qt::SkipEmptyParts)) {
        const QStringList rounds{"flop", "turn", "river"};
        if (move.startsWith('#'))
            typeKeys(&window, move.mid(1));
        else if (move.startsWith("slot"))
            clickSlot(window, move.mid(4).toInt());
        else if (move == "fold")
            trigger(window, "foldAction");
        else if (rounds.contains(move))
            QTest::mouseClick(part<RadioGroup>(window, "roundSelector")->item(rounds.indexOf(move)),
                              Qt::LeftButton);
        else if (move == "auto")
            QTest::mouseClick(part<QCheckBox>(window, "autoSwitchBox"), Qt::LeftButton);
        else if (move.startsWith("dead:")) {
            auto* picker = part<CardPicker>(window, "cardPicker");
            const int item = pickerItem(*parseCardCode(move.mid(5).toStdString()));
            QTest::mouseClick(picker, Qt::RightButton, {}, picker->buttonRect(item).center());
        } else if (move.startsWith("opponents:"))
            part<QSpinBox>(window, "winChanceOpponents")->setValue(move.mid(10).toInt());
        else if (move.startsWith("range")) {
            part<QPushButton>(window, "winChanceRanges")->click();
            auto* box = part<QLineEdit>(window, ("opponentRange" + move.mid(5, 1)).toLatin1());
            box->selectAll();
            QTest::keyClicks(box, move.mid(7));
            QTest::keyClick(box, Qt::Key_Return);
            window.activateWindow();
        } else if (move == "undo" || move == "redo")
            trigger(window, move == "undo" ? "undoAction" : "redoAction");
        else if (move.startsWith('^'))
            QTest::keyClick(
                &window, Qt::Key(move[1].toUpper().unicode()),
                Qt::ControlModifier | (move[1].isUpper() ? Qt::ShiftModifier : Qt::NoModifier));
        else
            clickCards(window, {move});
    }
}

// Everything the player sees of the table, and the stored auto-switch.
QStringList visibleState(const MainWindow& window, const WindowFixture& fixture) {
    QStringList state{"slots " + slotsShown(window)};
    const auto colourOf = [](const QImage& picture) {
        return picture.pixelColor(picture.rect().center()).name();
    };
    const QString noCard = colourOf(QImage(fixture.pictureFolder() + "nocard.jpg"));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const QImage& picture =
            part<SlotPicture>(window, ("slotPicture" + QByteArray::number(slot)).constData())
                ->picture();
        // An empty slot shows nothing before its first card, the empty picture after.
        const bool empty = picture.isNull() || colourOf(picture) == noCard;
        state << "picture " + (empty ? QStringLiteral("empty") : colourOf(picture));
    }
    state << window.oddsRows();
    state << "round " + QString::number(part<RadioGroup>(window, "roundSelector")->itemIndex());
    state << "auto " + QString::number(window.autoSwitch());
    state << "stored auto " + QSettings(fixture.settingsPath(), QSettings::IniFormat)
                                  .value("autoswitch")
                                  .toString();
    state << window.panelText(StatusPanel::BestHand) << window.panelText(StatusPanel::HandsPlayed);
    const auto* picker = part<CardPicker>(window, "cardPicker");
    QStringList dimmed;
    for (int item = 0; item < kPickerItems; ++item)
        if (picker->isOnTable(item)) dimmed << pickerCardCode(item);
    state << "dimmed " + dimmed.join(' ');
    return state;
}

bool enabled(const MainWindow& window, const char* action) {
    return part<QAction>(window, action)->isEnabled();
}

}  // namespace

class KeyboardAndUndoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedCards_data();
    void typedCards();
    void messages_data();
    void messages();
    void eighthCardClicked();
    void undoRedo_data();
    void undoRedo();
    void readOnlyStore();
    void copyAndPaste_data();
    void copyAndPaste();
    void keysGoBackToTheTable_data();
    void keysGoBackToTheTable();
};

void KeyboardAndUndoTest::typedCards_data() {
    QTest::addColumn<QString>("focus");  // the control that has the keyboard
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<int>("handsPlayed");
    QTest::addColumn<int>("transparency");  // the slider's position
    QTest::newRow("cards in order") << ""
                                    << "AhKd9c"
                                    << "Ah Kd 9c - - - -" << 0 << 0;
    QTest::newRow("ten both ways, either case") << ""
                                                << "10hTcts"
                                                << "Th Tc Ts - - - -" << 0 << 0;
    QTest::newRow("russian layout") << ""
                                    << "фрлвеыос"
                                    << "Ah Kd Ts Jc - - -" << 0 << 0;
    QTest::newRow("russian capitals") << ""
                                      << "ФРЛВ"
                                      << "Ah Kd - - - - -" << 0 << 0;
    QTest::newRow("backspace takes the last card off") << ""
                                                       << "AhKdQc<bs>"
                                                       << "Ah Kd - - - - -" << 0 << 0;
    QTest::newRow("backspace on a half-typed rank only clears it") << ""
                                                                   << "AhK<bs>"
                                                                   << "Ah - - - - - -" << 0 << 0;
    QTest::newRow("escape clears a half-typed rank") << ""
                                                     << "K<esc>hAh"
                                                     << "Ah - - - - - -" << 0 << 0;
    QTest::newRow("a card on the table is not taken off") << ""
                                                          << "AhKdAh"
                                                          << "Ah Kd - - - - -" << 0 << 0;
    QTest::newRow("no eighth card") << ""
                                    << "2c3c4c5c6c7c8c9c"
                                    << "2c 3c 4c 5c 6c 7c 8c" << 0 << 0;
    QTest::newRow("ctrl+n folds") << ""
                                  << "AhKd<ctrl-n>Qs"
                                  << "Qs - - - - - -" << 1 << 0;
    QTest::newRow("russian ctrl+n folds") << ""
                                          << "AhKd<ctrl-т>"
                                          << "- - - - - - -" << 1 << 0;
    QTest::newRow("the slider keeps its arrows") << "transparencySlider"
                                                 << "<right>Ah<right>Kd<left>"
                                                 << "Ah Kd - - - - -" << 0 << 1;
    QTest::newRow("through the auto-switch box") << "autoSwitchBox"
                                                 << "AhKd<bs>"
                                                 << "Ah - - - - - -" << 0 << 0;
}

void KeyboardAndUndoTest::typedCards() {
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, cards);
    QFETCH(int, handsPlayed);
    QFETCH(int, transparency);
    WindowFixture fixture;
    auto window = fixture.window();
    QWidget* target = focus.isEmpty() ? window.get() : part<QWidget>(*window, focus.toLatin1());
    typeKeys(target, keys);
    QCOMPARE(slotsShown(*window), cards);
    QCOMPARE(window->handsPlayed(), handsPlayed);
    QCOMPARE(part<QSlider>(*window, "transparencySlider")->value(), transparency);
    // A typed card is a picker click: the same picture and the same pass.
    auto clicked = fixture.window();
    clickCards(*clicked, slotTexts(*window));
    QCOMPARE(visibleState(*window, fixture).mid(0, 18), visibleState(*clicked, fixture).mid(0, 18));
    QCOMPARE(fixture.errors, QStringList());
}

void KeyboardAndUndoTest::messages_data() {
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("message");  // a CardKeyMessage, or -1 for none
    QTest::addColumn<QString>("detail");
    const int none = -1;
    QTest::newRow("half-typed rank") << false << "K" << int(CardKeyMessage::HalfTyped) << "K";
    QTest::newRow("half-typed ten") << true << "1" << int(CardKeyMessage::HalfTyped) << "1";
    QTest::newRow("unknown key") << false << "x" << int(CardKeyMessage::UnknownKey) << "x";
    QTest::newRow("unknown key, russian") << true << "ж" << int(CardKeyMessage::UnknownKey) << "ж";
    QTest::newRow("suit first") << false << "h" << int(CardKeyMessage::RankFirst) << "h";
    QTest::newRow("suit after 1") << true << "1h" << int(CardKeyMessage::TenUnfinished) << "h";
    QTest::newRow("card already on the table")
        << false << "AhKdAh" << int(CardKeyMessage::AlreadyOnTable) << "Ah";
    QTest::newRow("card already on the table, russian")
        << true << "AhAh" << int(CardKeyMessage::AlreadyOnTable) << "Ah";
    QTest::newRow("eighth card") << false << "2c3c4c5c6c7c8c9d" << int(CardKeyMessage::NoRoom)
                                 << "9d";
    QTest::newRow("nothing to take off")
        << false << "<bs>" << int(CardKeyMessage::NothingToTakeOff) << "";
    QTest::newRow("escape clears it") << false << "K<esc>" << none << "";
    QTest::newRow("a placed card clears it") << false << "xKh" << none << "";
    QTest::newRow("fold clears it") << false << "K<ctrl-n>" << none << "";
}

void KeyboardAndUndoTest::messages() {
    QFETCH(bool, russian);
    QFETCH(QString, keys);
    QFETCH(int, message);
    QFETCH(QString, detail);
    WindowFixture fixture;
    auto window = fixture.window();
    const Language language = russian ? Language::Russian : Language::English;
    window->chooseLanguage(language);
    const QString timePassed = window->panelText(StatusPanel::TimePassed);
    typeKeys(window.get(), keys);
    const QString expected =
        message < 0 ? QString() : cardKeyMessage(CardKeyMessage(message), detail);
    QCOMPARE(window->statusMessage(), expected);
    // The panels under the message keep their texts and show again without it.
    QCOMPARE(part<QWidget>(*window, "statusMessage")->isVisible(), !expected.isEmpty());
    QCOMPARE(window->panelText(StatusPanel::TimePassed), timePassed);
}

// A click on the picker with every slot taken says what an eighth typed card says.
void KeyboardAndUndoTest::eighthCardClicked() {
    WindowFixture fixture;
    auto window = fixture.window();
    const QStringList seven{"2c", "3c", "4c", "5c", "6c", "7c", "8c"};
    clickCards(*window, seven);
    clickCards(*window, {"9d"});
    QCOMPARE(window->statusMessage(), cardKeyMessage(CardKeyMessage::NoRoom, "9d"));
    QCOMPARE(slotTexts(*window), seven);
}

void KeyboardAndUndoTest::undoRedo_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("sameAs");  // the same visible state reached without undo
    QTest::addColumn<bool>("canUndo");
    QTest::addColumn<bool>("canRedo");
    QTest::newRow("nothing to undo") << "undo redo"
                                     << "" << false << false;
    QTest::newRow("card on, undone") << "Ah undo"
                                     << "" << false << true;
    QTest::newRow("card on, undone, redone") << "Ah undo redo"
                                             << "Ah" << true << false;
    QTest::newRow("slot click undone") << "Ah Kd Qc slot2 undo"
                                       << "Ah Kd Qc" << true << true;
    QTest::newRow("best hand goes back with the cards") << "Ah Ad slot2 undo undo"
                                                        << "Ah" << true << true;
    QTest::newRow("fold and its count undone") << "Ah Kd fold undo"
                                               << "Ah Kd" << true << true;
    QTest::newRow("round choice") << "auto Ah Kd Qc turn river undo"
                                  << "auto Ah Kd Qc turn" << true << true;
    QTest::newRow("auto-switch and its stored value") << "auto undo"
                                                      << "" << false << true;
    QTest::newRow("auto-switch round moves go back") << "Ah Kd Qc Jc Tc 9c undo undo"
                                                     << "Ah Kd Qc Jc" << true << true;
    QTest::newRow("typed cards and backspace are steps") << "#AhKd<bs> undo undo"
                                                         << "Ah" << true << true;
    QTest::newRow("ctrl+z, ctrl+shift+z") << "Ah Kd ^z ^z ^Z"
                                          << "Ah" << true << true;
    QTest::newRow("ctrl+y") << "Ah ^z ^y"
                            << "Ah" << true << false;
    QTest::newRow("ctrl+n fold undone") << "Ah Kd #<ctrl-n> ^z"
                                        << "Ah Kd" << true << true;
}

void KeyboardAndUndoTest::undoRedo() {
    QFETCH(QString, moves);
    QFETCH(QString, sameAs);
    QFETCH(bool, canUndo);
    QFETCH(bool, canRedo);
    WindowFixture fixture;
    auto window = fixture.window();
    window->activateWindow();  // the shortcuts work in the active window
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    play(*window, moves);
    const QStringList state = visibleState(*window, fixture);
    WindowFixture freshFixture;
    auto fresh = freshFixture.window();
    play(*fresh, sameAs);
    QCOMPARE(state, visibleState(*fresh, freshFixture));
    QCOMPARE(enabled(*window, "undoAction"), canUndo);
    QCOMPARE(enabled(*window, "redoAction"), canRedo);
    QCOMPARE(fixture.errors, QStringList());
}

// Undo writes the auto-switch only when it changes, so a store the player may
// only read lets cards be undone; a change the store refuses is not made.
void KeyboardAndUndoTest::readOnlyStore() {
    WindowFixture fixture;
    {
        QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
        stored.setValue("language", "english");
        stored.setValue("autoswitch", 1);
    }
    WindowServices services = fixture.readOnlyServices();
    MainWindow window(services);
    window.show();
    QCOMPARE(fixture.errors, QStringList());
    play(window, "Ah Kd undo");
    QCOMPARE(fixture.errors, QStringList());
    // A refused click on the box is no step: the box stays on, as stored.
    play(window, "auto Qc");
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY(window.autoSwitch());
    QVERIFY(part<QCheckBox>(window, "autoSwitchBox")->isChecked());
    play(window, "undo");  // back to Ah alone without a write
    QCOMPARE(fixture.errors.size(), 1);
    QCOMPARE(slotsShown(window), "Ah - - - - - -");
    // A range given to the eight others is one write, refused once.
    play(window, "range1:KK");
    QCOMPARE(fixture.errors.size(), 2);
    QTest::mouseClick(part<QWidget>(window, "opponentCopy1"), Qt::LeftButton);
    QCOMPARE(fixture.errors.size(), 3);

    // A step back to another auto-switch that cannot be stored is not taken.
    WindowFixture writable;
    auto other = writable.window();
    play(*other, "auto Ah undo undo");
    QFile::remove(writable.settingsPath());
    QVERIFY(QDir().mkpath(writable.settingsPath()));  // a folder where the file should be
    play(*other, "redo");
    QCOMPARE(writable.errors.size(), 1);
    QCOMPARE(slotsShown(*other), "- - - - - - -");
    QVERIFY(other->autoSwitch());
    QVERIFY(enabled(*other, "redoAction"));
}

// Ctrl+C writes the spot as text; Ctrl+V reads it back (or any card codes)
// as one step, with its opponents and range; text that does not read is
// named and changes nothing.
void KeyboardAndUndoTest::copyAndPaste_data() {
    QTest::addColumn<QString>("clipboard");  // before the moves
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("opposition");  // opponents, then the first four range boxes
    QTest::addColumn<QString>("message");     // its start
    QTest::addColumn<QString>("copied");      // the clipboard afterwards
    QTest::newRow("copied and pasted back") << ""
                                            << "Ah Kd ^c fold ^v"
                                            << "Ah Kd - - - - -"
                                            << "1 |||"
                                            << ""
                                            << "Ah Kd - - - - - --opponents 1\n";
    QTest::newRow("a paste is one undo step") << ""
                                              << "Ah Kd ^c fold ^v ^z"
                                              << "- - - - - - -"
                                              << "1 |||"
                                              << ""
                                              << "Ah Kd - - - - - --opponents 1\n";
    QTest::newRow("opponents and ranges come along, and are copied")
        << "Qs,-,2c\n--vs 'KK, QQ' --vs 15% --vs random"
        << "^v ^c"
        << "Qs - 2c - - - -"
        << "3 KK,QQ|15%||"
        << ""
        << "Qs - 2c - - - - --opponents 3 --vs KK,QQ --vs 15% --vs random\n";
    // The seats not named keep their ranges; undo brings them all back.
    QTest::newRow("a paste of ranges is one undo step") << "Ah --opponents 2 --vs AKs"
                                                        << "range4:JJ range2:QQ opponents:3 ^v ^z"
                                                        << "- - - - - - -"
                                                        << "3 |QQ||JJ"
                                                        << ""
                                                        << "Ah --opponents 2 --vs AKs";
    // Cards seen folded are marked in the picker, shown struck through and copied.
    QTest::newRow("dead cards") << ""
                                << "Ah Ad dead:Kc dead:7s ^c"
                                << "Ah Ad - - - - -"
                                << "1 |||"
                                << ""
                                << "Ah Ad - - - - - --dead Kc7s --opponents 1\n";
    QTest::newRow("three opponents, no range") << "Ah Kd --opponents 3"
                                               << "^v"
                                               << "Ah Kd - - - - -"
                                               << "3 |||"
                                               << ""
                                               << "Ah Kd --opponents 3";
    QTest::newRow("nine opponents, the most") << "Ah Kd --opponents 9"
                                              << "^v"
                                              << "Ah Kd - - - - -"
                                              << "9 |||"
                                              << ""
                                              << "Ah Kd --opponents 9";
    QTest::newRow("not a card") << "hello"
                                << "Ah ^v"
                                << "Ah - - - - - -"
                                << "1 |||"
                                << "Cannot paste: \"hello\" is not a card"
                                << "hello";
    QTest::newRow("a range that does not read") << "Kh --vs KKs"
                                                << "Ah ^v"
                                                << "Ah - - - - - -"
                                                << "1 |||"
                                                << "Cannot paste: \"KKs\""
                                                << "Kh --vs KKs";
}

void KeyboardAndUndoTest::copyAndPaste() {
    QFETCH(QString, clipboard);
    QFETCH(QString, moves);
    QFETCH(QString, table);
    QFETCH(QString, opposition);
    QFETCH(QString, message);
    QFETCH(QString, copied);
    WindowFixture fixture;
    fixture.clipboard = clipboard;
    auto window = fixture.window();
    window->activateWindow();  // the shortcuts work in the active window
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    play(*window, moves);
    QCOMPARE(slotsShown(*window), table);
    part<QPushButton>(*window, "winChanceRanges")->click();
    QStringList ranges;
    for (const char* box : {"opponentRange1", "opponentRange2", "opponentRange3", "opponentRange4"})
        ranges << part<QLineEdit>(*window, box)->text();
    QCOMPARE(QString::number(part<QSpinBox>(*window, "winChanceOpponents")->value()) + ' ' +
                 ranges.join('|'),
             opposition);
    QVERIFY2(message.isEmpty() ? window->statusMessage().isEmpty()
                               : window->statusMessage().startsWith(message),
             qPrintable(window->statusMessage()));
    QCOMPARE(fixture.clipboard, copied);
    // The picker shows what is dead.
    const auto* picker = part<CardPicker>(*window, "cardPicker");
    QStringList dead;
    for (int item = 0; item < kPickerItems; ++item)
        if (picker->isDead(item)) dead << pickerCardCode(item);
    QCOMPARE(dead.join(' '), copied.contains("--dead Kc7s") ? "Kc 7s" : "");
}

// Typed cards, Copy and Paste go to a text box only while it is being edited:
// "ah" and Ctrl+C reach the table once the player leaves the box.
void KeyboardAndUndoTest::keysGoBackToTheTable_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>(
        "leave");  // esc, return, click (on the table), arrow, or still editing
    for (const auto& [name, box, leave] :
         {std::tuple{"Escape", "potAmount", "esc"},
          {"Return", "callAmount", "return"},
          {"a click on the table", "potAmount", "click"},
          {"still editing", "potAmount", ""},
          {"the spin box's arrows", "winChanceOpponents", "arrow"}})
        QTest::newRow(name) << box << leave;
}

void KeyboardAndUndoTest::keysGoBackToTheTable() {
    QFETCH(QString, box);
    QFETCH(QString, leave);
    WindowFixture fixture;
    auto window = fixture.window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* target = part<QWidget>(*window, box.toLatin1().constData());
    const bool arrow = leave == "arrow";
    QTest::mouseClick(target, Qt::LeftButton, {},
                      arrow ? QPoint(target->width() - 4, 4) : QPoint(5, 5));
    if (!arrow) QTest::keyClicks(QApplication::focusWidget(), "5");
    const auto focused = [&] {
        return QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    };
    if (leave == "esc" || leave == "return")
        QTest::keyClick(focused(), leave == "esc" ? Qt::Key_Escape : Qt::Key_Return);
    if (leave == "click")
        QTest::mouseClick(part<QWidget>(*window, "client"), Qt::LeftButton, {}, QPoint(5, 5));
    typeKeys(focused(), "ah");
    QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(slotsShown(*window), leave.isEmpty() ? "- - - - - - -" : "Ah - - - - - -");
    QCOMPARE(fixture.clipboard,
             leave.isEmpty() ? QString()
                             : QString("Ah - - - - - - --opponents %1\n").arg(arrow ? 2 : 1));
}

QTEST_MAIN(KeyboardAndUndoTest)
#include "keyboard_and_undo_test.moc"
