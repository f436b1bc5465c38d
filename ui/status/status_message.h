#pragma once
// A short message over the text panels at the left of the status bar, for the
// feedback of keyboard card entry. The panels underneath keep their texts and
// show again as soon as the message goes: when it is cleared, or a few seconds
// after a passing one appeared.
#include <QString>
#include <QWidget>

class QTimer;

namespace korvana::ui {

class StatusMessage : public QWidget {
    Q_OBJECT
public:
    enum class Duration {
        UntilCleared,  // stands for a state, such as a half-typed card
        Passing,       // reports one key, then goes by itself
    };
    static constexpr int kPassingMilliseconds = 5000;

    explicit StatusMessage(QWidget* parent = nullptr);

    void showMessage(const QString& text, Duration duration);
    void clear();
    // Empty while no message is on show.
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QTimer* timer_ = nullptr;
};

}  // namespace korvana::ui
