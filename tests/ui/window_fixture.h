#pragma once
// A main window for tests: settings in a private folder, a clock the test
// sets, card pictures drawn by the test, failures recorded instead of shown.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/main_window/main_window.h"
#include "ui/table/card_picker.h"
#include "ui/table/card_table.h"

namespace korvana::ui::testing {

// Writes the 52 card pictures and nocard.jpg (86 x 123 JPEG) into a folder.
inline bool writeCardPictures(const QString& folder) {
    QDir().mkpath(folder);
    QStringList names{QStringLiteral("nocard")};
    for (int item = 0; item < kPickerItems; ++item) names << pickerCardCode(item);
    for (int i = 0; i < names.size(); ++i) {
        QImage picture(86, 123, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv((i * 7) % 360, 200, 200));
        if (!picture.save(QDir(folder).filePath(names[i] + QStringLiteral(".jpg")), "JPEG"))
            return false;
    }
    return true;
}

class WindowFixture {
public:
    WindowFixture() : pictureFolder_(dir_.filePath(QStringLiteral("images")) + QLatin1Char('/')) {
        if (!writeCardPictures(pictureFolder_)) qFatal("cannot write the test card pictures");
    }

    QString settingsPath() const { return dir_.filePath(QStringLiteral("Korvana.conf")); }
    SettingsStore store() const { return SettingsStore::inFile(settingsPath()); }
    QString pictureFolder() const { return pictureFolder_; }
    QString rangeLibraryPath() const { return dir_.filePath(QStringLiteral("ranges.txt")); }
    QString folder() const { return dir_.path(); }

    QDateTime now = QDateTime(QDate(2024, 3, 1), QTime(12, 0));
    QStringList errors;
    QString clipboard;  // what Copy wrote and Paste reads

    WindowServices services(const QString& pictureFolder) {
        WindowServices services{store(), [this] { return now; }, pictureFolder,
                                [this](const QString& message) { errors << message; }};
        services.clipboard = {[this] { return clipboard; },
                              [this](const QString& text) { clipboard = text; }};
        services.rangeLibrary = RangeLibraryFile(rangeLibraryPath());
        return services;
    }
    // The same over a settings file the program may read but not write.
    WindowServices readOnlyServices() {
        WindowServices readOnly = services(pictureFolder_);
        readOnly.settings = SettingsStore::inFile(settingsPath(), SettingsStore::Access::ReadOnly);
        return readOnly;
    }

    // A window as the program makes it, shown (which applies the stored choices).
    std::unique_ptr<MainWindow> window(const QString& pictureFolder = {}) {
        auto window = std::make_unique<MainWindow>(
            services(pictureFolder.isNull() ? pictureFolder_ : pictureFolder));
        window->show();
        return window;
    }

private:
    QTemporaryDir dir_;
    QString pictureFolder_;
};

// A part of the window by its object name; the test stops at once without it.
template <class Part>
Part* part(const QObject& window, const char* name) {
    Part* found = window.findChild<Part*>(QLatin1String(name));
    if (!found) qFatal("the window has no %s", name);
    return found;
}

// Clicks picker buttons by card code, as the player does.
inline void clickCards(MainWindow& window, const QStringList& cards) {
    auto* picker = part<CardPicker>(window, "cardPicker");
    for (const QString& card : cards) {
        for (int item = 0; item < kPickerItems; ++item)
            if (pickerCardCode(item) == card)
                QTest::mouseClick(picker, Qt::LeftButton, {}, picker->buttonRect(item).center());
    }
}

// Clicks the picture of slot 1..7.
inline void clickSlot(MainWindow& window, int slot) {
    const QByteArray name = "slotPicture" + QByteArray::number(slot);
    QTest::mouseClick(part<QWidget>(window, name.constData()), Qt::LeftButton, {}, QPoint(40, 60));
}

inline void trigger(MainWindow& window, const char* action) {
    part<QAction>(window, action)->trigger();
}

inline QStringList slotTexts(const MainWindow& window) {
    QStringList texts;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto card = window.hand().card(slot);
        texts << (card ? QString::fromStdString(cardCode(*card)) : QString());
    }
    return texts;
}

}  // namespace korvana::ui::testing
