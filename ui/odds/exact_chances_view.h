#pragma once
// The exact chances beside the odds list: the exact panel under the list,
// the explanations on the list rows and panel lines, the outs outlined on the
// card picker while the pointer is on a row, and the menu option that hides
// all of it. The odds list itself is left exactly as it is.
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "engine/rows/analysis.h"
#include "engine/rows/exact_chance.h"
#include "engine/text/string_table.h"
#include "settings/settings_store.h"
#include "ui/common/error_reporter.h"

class QAction;
class QMenu;
class QMenuBar;

namespace korvana::ui {

class CardPicker;
class ExactPanel;
class OddsList;

class ExactChancesView : public QObject {
    Q_OBJECT
public:
    ExactChancesView(QWidget* clientArea, OddsList* list, CardPicker* picker, QMenuBar* menuBar,
                     SettingsStore settings, ErrorReporter reportError);

    // Where the panel sits in the client area.
    void place(const QRect& panel);

    // After every analysis pass: the chances of its counted cards by its round.
    void show(const Analysis& analysis, Language language, const std::string& decimalSeparator);
    // Shows or hides everything as the settings store says (on when never
    // chosen). Throws Failure when the stored value cannot be read.
    void applyStoredOption();

    bool shown() const { return shown_; }
    ExactPanel* panel() const { return panel_; }
    QAction* option() const { return option_; }
    // The View menu, which the window's other view options join.
    QMenu* menu() const { return menu_; }
    // The explanation of list row 0..9; empty while the exact chances are hidden.
    QString rowTooltip(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu and its option in the language of the installed translation;
    // the panel's own texts are the engine's, in the language of show().
    void retranslate();
    void optionTriggered(bool on);
    void setShown(bool on);
    void refresh();
    const ExactChances& chancesFor(const Analysis& analysis);
    void hoverRow(int row);
    void outlineHoveredRow();

    OddsList* list_;
    CardPicker* picker_;
    ExactPanel* panel_;
    QMenu* menu_;
    QAction* option_;
    SettingsStore settings_;
    ErrorReporter reportError_;

    bool shown_ = true;
    std::optional<Analysis> analysis_;
    struct Counted {
        std::vector<Card> cards;
        int target;
        ExactChances chances;
    };
    std::optional<Counted> counted_;  // the chances last counted, by table
    Language language_ = Language::English;
    std::string decimalSeparator_ = ".";
    QList<QString> tooltips_;
    QList<QList<int>> outlines_;  // picker items per row
    int hoveredRow_ = -1;
};

}  // namespace korvana::ui
