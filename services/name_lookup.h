#pragma once
// Host name lookup on a detached thread.
//
// Qt's own lookups run in a pool that the application waits for when it
// shuts down, so a name server that stops answering would keep the program
// alive long after its window closed. The client therefore looks every name
// up here, once, and connects to the addresses found; Qt never looks a name
// up for it. A detached thread is never waited for: the program can end
// while it still blocks.
#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

namespace korvana::online {

// The numeric addresses of host ("192.0.2.1", "2001:db8::1") in the order to
// try them; empty when the name does not resolve. Blocks, on a detached
// thread: it must not touch Qt objects.
using NameResolver = std::function<QList<QByteArray>(const QByteArray& host)>;

// getaddrinfo() of the system.
NameResolver systemNameResolver();

class NameLookup {
public:
    // Runs lookup (the blocking part: a name lookup and what must not block
    // the GUI thread with it) on a new detached thread, then done() on
    // receiver's thread, unless the lookup was cancelled or receiver is gone
    // by then. lookup must be safe on any thread; it hands its result to
    // done() through what both capture.
    static std::shared_ptr<NameLookup> start(std::function<void()> lookup, QObject* receiver,
                                             std::function<void()> done);

    // After this returns, done() will not be called.
    void cancel();

private:
    struct Shared;
    explicit NameLookup(std::shared_ptr<Shared> shared);
    std::shared_ptr<Shared> shared_;
};

}  // namespace korvana::online
