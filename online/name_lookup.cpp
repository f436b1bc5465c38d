#include "name_lookup.h"

#include <QMetaObject>

#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <netdb.h>
#include <sys/socket.h>
#endif

namespace korvana::online {

struct NameLookup::Shared {
    std::mutex mutex;
    bool cancelled = false;
    QObject* receiver = nullptr;
    std::function<void(bool)> done;
};

NameResolver systemNameResolver() {
    return [](const QByteArray& host) {
#ifdef Q_OS_UNIX
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* result = nullptr;
        const int status = ::getaddrinfo(host.constData(), nullptr, &hints, &result);
        if (result) ::freeaddrinfo(result);
        return status == 0;
#else
        Q_UNUSED(host);
        return true;  // left to Qt's own lookup
#endif
    };
}

NameLookup::NameLookup(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

std::shared_ptr<NameLookup> NameLookup::start(const NameResolver& resolver, const QByteArray& host,
                                              QObject* receiver,
                                              std::function<void(bool ok)> done) {
    auto shared = std::make_shared<Shared>();
    shared->receiver = receiver;
    shared->done = std::move(done);
    std::thread([shared, resolver, host] {
        const bool ok = resolver(host);
        // Holding the mutex keeps cancel() - and so the receiver's
        // destruction - from overtaking the hand-over below.
        const std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->cancelled) return;
        QMetaObject::invokeMethod(
            shared->receiver,
            [shared, ok] {
                std::function<void(bool)> done;
                {
                    const std::lock_guard<std::mutex> guard(shared->mutex);
                    if (shared->cancelled) return;
                    shared->cancelled = true;
                    done = std::move(shared->done);
                }
                done(ok);
            },
            Qt::QueuedConnection);
    }).detach();
    return std::shared_ptr<NameLookup>(new NameLookup(shared));
}

void NameLookup::cancel() {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->cancelled = true;
    shared_->done = nullptr;
}

}  // namespace korvana::online
