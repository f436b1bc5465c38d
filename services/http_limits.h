#pragma once
// How long and how much a bad server may take of a web check's request.
#include <QtGlobal>

#include <chrono>

namespace korvana::online {

struct HttpLimits {
    // Until the request has gone out (name lookup, connect, proxy tunnel, TLS
    // handshake), shared by the addresses tried; restarted for every
    // redirect hop.
    std::chrono::milliseconds connectTimeout{30000};
    // For the whole request from its start, whatever arrives: redirects,
    // headers and body included.
    std::chrono::milliseconds deadline{60000};
    // The status lines and headers of all the replies of one request together
    // (redirects included) may take this many bytes on top of the body limit.
    qint64 headBytes = 32 * 1024;
};

// Body size limits of the documents the program fetches.
inline constexpr qint64 kVersionTextLimit = 64 * 1024;
inline constexpr qint64 kLinkTextLimit = 16 * 1024;
inline constexpr qint64 kPictureLimit = 4 * 1024 * 1024;

}  // namespace korvana::online
