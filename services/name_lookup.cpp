#include "services/name_lookup.h"

#include <QMetaObject>

#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace korvana::online {

struct NameLookup::Shared {
    std::mutex mutex;
    bool cancelled = false;
    QObject* receiver = nullptr;
    std::function<void()> done;
};

NameResolver systemNameResolver() {
    return [](const QByteArray& host) {
        QList<QByteArray> addresses;
#ifdef Q_OS_UNIX
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* result = nullptr;
        if (::getaddrinfo(host.constData(), nullptr, &hints, &result) != 0) return addresses;
        for (const addrinfo* entry = result; entry; entry = entry->ai_next) {
            char text[INET6_ADDRSTRLEN] = {};
            const void* raw = nullptr;
            if (entry->ai_family == AF_INET)
                raw = &reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr;
            else if (entry->ai_family == AF_INET6)
                raw = &reinterpret_cast<const sockaddr_in6*>(entry->ai_addr)->sin6_addr;
            if (raw && ::inet_ntop(entry->ai_family, raw, text, sizeof text) &&
                !addresses.contains(QByteArray(text)))
                addresses.append(QByteArray(text));
        }
        ::freeaddrinfo(result);
#else
        Q_UNUSED(host);
#endif
        return addresses;
    };
}

NameLookup::NameLookup(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

std::shared_ptr<NameLookup> NameLookup::start(std::function<void()> lookup, QObject* receiver,
                                              std::function<void()> done) {
    auto shared = std::make_shared<Shared>();
    shared->receiver = receiver;
    shared->done = std::move(done);
    std::thread([shared, lookup = std::move(lookup)] {
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (shared->cancelled) return;
        }
        lookup();
        // Holding the mutex keeps cancel() - and so the receiver's
        // destruction - from overtaking the hand-over below; it also makes
        // what lookup() wrote visible to done().
        const std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->cancelled) return;
        QMetaObject::invokeMethod(
            shared->receiver,
            [shared] {
                std::function<void()> done;
                {
                    const std::lock_guard<std::mutex> guard(shared->mutex);
                    if (shared->cancelled) return;
                    shared->cancelled = true;
                    done = std::move(shared->done);
                }
                done();
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
