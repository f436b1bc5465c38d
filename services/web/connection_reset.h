#pragma once
// Qt reports a connection reset by the peer as an orderly close, so a body
// that runs until the close would end early as if complete. A duplicate of
// the socket's descriptor, held while the reply is read, keeps the
// connection to look at once Qt has closed its own: a peer that closed
// leaves it half open, a reset leaves it closed. Linux only; elsewhere a
// reset reads as a close.
#include <QtGlobal>

namespace korvana::online {

class ResetProbe {
public:
    ResetProbe() = default;
    explicit ResetProbe(qintptr descriptor);  // -1: nothing to watch
    ~ResetProbe();
    ResetProbe(const ResetProbe&) = delete;
    ResetProbe& operator=(const ResetProbe&) = delete;

    // The peer reset the connection (so far).
    bool wasReset() const;

private:
    int descriptor_ = -1;
};

}  // namespace korvana::online
