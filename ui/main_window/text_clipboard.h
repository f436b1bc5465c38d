#pragma once
// The text that Copy puts somewhere and Paste takes back: the desktop's
// clipboard in the program, a plain string in tests.
#include <QString>
#include <functional>

namespace korvana::ui {

struct TextClipboard {
    std::function<QString()> read;
    std::function<void(const QString&)> write;
};

// The clipboard of the desktop (its text, empty when it holds none).
TextClipboard systemClipboard();

}  // namespace korvana::ui
