#pragma once
// The library of named ranges in the grid window: a list to pick a named
// range from (its explanation and hands as the tooltip), a button to save
// the range under a name, and the lines of the library's file that did not
// read.
#include <QWidget>

#include "engine/text/language.h"
#include "ui/ranges/range_library_file.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace korvana::ui {

class RangeLibraryBox : public QWidget {
    Q_OBJECT
public:
    // language: that of the built-in ranges' explanations and the problems.
    RangeLibraryBox(Language language, QWidget* parent = nullptr);

    void setLibrary(const RangeLibraryFile::Read& read, const QString& fileName);

Q_SIGNALS:
    void picked(const QString& name);
    void saveRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Language language_;
    QComboBox* list_;
    QPushButton* save_;
    QLabel* problems_;
};

}  // namespace korvana::ui
