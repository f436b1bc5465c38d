#pragma once
// A main window for tests: settings in a private folder, a clock the test
// sets, card pictures drawn by the test, failures recorded instead of shown.
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "card_table.h"
#include "form1.h"

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
    QString folder() const { return dir_.path(); }

    QDateTime now = QDateTime(QDate(2024, 3, 1), QTime(12, 0));
    QStringList errors;

    WindowServices services(const QString& pictureFolder) {
        WindowServices services{store(), [this] { return now; }, pictureFolder,
                                [this](const QString& message) { errors << message; }};
        return services;
    }

    // A window as the program makes it, shown (which applies the stored choices).
    std::unique_ptr<TForm1> window(const QString& pictureFolder = {}) {
        auto form = std::make_unique<TForm1>(services(pictureFolder.isNull() ? pictureFolder_ : pictureFolder));
        form->show();
        return form;
    }

private:
    QTemporaryDir dir_;
    QString pictureFolder_;
};

// Clicks picker buttons by card code, as the player does.
inline void clickCards(TForm1& form, const QStringList& cards) {
    for (const QString& card : cards) {
        for (int item = 0; item < kPickerItems; ++item)
            if (pickerCardCode(item) == card) form.ButtonGroup1ItemClick(item);
    }
}

inline QStringList slotTexts(const TForm1& form) {
    QStringList texts;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto card = form.table().hand().card(slot);
        texts << (card ? QString::fromStdString(cardCode(*card)) : QString());
    }
    return texts;
}

}  // namespace korvana::ui::testing
