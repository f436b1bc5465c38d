#pragma once
// The red new-version notice (Label3) on the main window.
//
// Hidden until a check finds a version other than this program's; from then
// on it stays visible, and each later check that finds a different version
// rewrites it in the language current at that moment. The remote version comes
// from the network, so the label shows it as plain text, never as markup.
#include <QByteArray>
#include <QLabel>
#include <QObject>
#include <QPointer>

namespace korvana::online {

class VersionNotice : public QObject {
    Q_OBJECT
public:
    // Creates Label3 as a hidden child of window.
    explicit VersionNotice(QWidget *window, QObject *parent = nullptr);

    QLabel *label() const { return m_label; }

    // The hand-off of the version worker.
    void ShowVersionNotice(const QByteArray &remoteVersion, int languageCode);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QLabel> m_label;
};

}  // namespace korvana::online
