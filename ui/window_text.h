#pragma once
// Texts of the window: string-table entries as Qt strings, and the fixed
// names that are the same in every language.
#include <QString>

#include "string_table.h"

namespace korvana::ui {

// Shown on the task bar and as the title of error message boxes.
inline const QString kApplicationTitle = QStringLiteral("Korvana");

// Each language names itself, whichever language is active.
inline const QString kEnglishName = QStringLiteral("English");
inline const QString kRussianName = QString::fromUtf8("Русский");

inline QString entryText(Language language, int k) {
    const std::string_view text = korvana::text(language, k);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Entry k followed by ": ", the form of every status panel label.
inline QString panelLabel(Language language, int k) {
    return entryText(language, k) + QStringLiteral(": ");
}

}  // namespace korvana::ui
