#include "ui/main_window/translation.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvana::ui {

namespace {

// The code in the names of the translation files; empty for the source language.
QString fileCode(Language language) {
    switch (language) {
        case Language::English: break;
        case Language::Russian: return QStringLiteral("ru");
    }
    return {};
}

std::unique_ptr<QTranslator> installed(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

Translation::Translation() = default;

Translation::~Translation() {
    takeOut();
}

bool Translation::use(Language language) {
    if (fileCode(language) == fileCode(language_)) return false;
    takeOut();
    language_ = language;
    const QString code = fileCode(language);
    if (!code.isEmpty()) {
        // Built in, so it is always there.
        own_ =
            installed(QStringLiteral("korvana_") + code, QStringLiteral(":/korvana/translations"));
        // Qt's own come with the system's Qt; without them Qt's few texts stay English.
        qt_ = installed(QStringLiteral("qtbase_") + code,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    // The application posts LanguageChange to every window; delivered now,
    // the texts have followed before the caller goes on.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

void Translation::takeOut() {
    for (auto* translator : {&own_, &qt_}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

}  // namespace korvana::ui
