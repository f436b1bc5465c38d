#pragma once
// Card pictures for the window benchmarks: the ones the build drew beside the
// executable, or plain white stand-ins of the same size in a scratch folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ui/table/card_picker.h"

inline QString benchPictureFolder(const QTemporaryDir& scratch) {
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/images/");
    if (QFile::exists(installed + QStringLiteral("nocard.jpg"))) return installed;
    const QString drawn = scratch.filePath(QStringLiteral("images")) + QLatin1Char('/');
    QDir().mkpath(drawn);
    QStringList names{QStringLiteral("nocard")};
    for (int item = 0; item < korvana::ui::kPickerItems; ++item)
        names << korvana::ui::pickerCardCode(item);
    for (const QString& name : names) {
        QImage picture(86, 123, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(drawn + name + QStringLiteral(".jpg"), "JPEG");
    }
    return drawn;
}
