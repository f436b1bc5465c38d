#pragma once
// Host name lookup on a detached thread.
//
// Qt's own lookups run in a pool that the application waits for when it
// shuts down, so a resolver that never answers would keep the program alive
// long after its window closed. The client therefore resolves a name here
// first and hands the address to Qt only once it is known to resolve (Qt's
// own lookup of it is then answered from the system's caches). A detached
// thread is never waited for: the program can end while it still blocks.
#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>

namespace korvana::online {

// Blocks until the host name resolves (true) or cannot be resolved (false).
// Runs on a detached thread: it must not touch Qt objects.
using NameResolver = std::function<bool(const QByteArray& host)>;

// getaddrinfo() of the system.
NameResolver systemNameResolver();

class NameLookup {
public:
    // Resolves host on a new detached thread and calls done(ok) on receiver's
    // thread, unless the lookup was cancelled or receiver is gone by then.
    static std::shared_ptr<NameLookup> start(const NameResolver& resolver, const QByteArray& host,
                                             QObject* receiver, std::function<void(bool ok)> done);

    // After this returns, done() will not be called.
    void cancel();

private:
    struct Shared;
    explicit NameLookup(std::shared_ptr<Shared> shared);
    std::shared_ptr<Shared> shared_;
};

}  // namespace korvana::online
