#pragma once
// A failure the player is told about: a picture that cannot be loaded, a
// settings store that cannot be read or written. Handlers throw it; the
// window's event entry points catch it and show it, skipping the rest of the
// handler, so whatever was done before the failure stays done.
#include <QByteArray>
#include <QString>
#include <exception>

namespace korvana {

class Failure : public std::exception {
public:
    explicit Failure(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

}  // namespace korvana
