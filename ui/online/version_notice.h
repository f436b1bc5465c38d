#pragma once
// The red new-version notice on the main window.
//
// Hidden until a check finds a version other than this program's; from then
// on it stays visible, and each later check that finds a different version
// rewrites it in the language current at that moment; a language choice alone
// leaves it as it is. The remote version comes from the network, so the label
// shows it as plain text, never as markup.
#include <QByteArray>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QRect>

namespace korvana::ui {

class VersionNotice : public QObject {
    Q_OBJECT
public:
    // Creates the notice as a hidden child of window at place.
    VersionNotice(QWidget* window, const QRect& place, QObject* parent = nullptr);

    QLabel* label() const { return label_; }

    // What a version check found: announced unless it is this program's own.
    void announce(const QByteArray& remoteVersion);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLabel> label_;
};

}  // namespace korvana::ui
