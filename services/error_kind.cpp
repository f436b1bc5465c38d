#include "services/error_kind.h"

namespace korvana::online {

const char* errorKindName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::None: return "none";
        case ErrorKind::BadAddress: return "bad address";
        case ErrorKind::Lookup: return "lookup";
        case ErrorKind::Proxy: return "proxy";
        case ErrorKind::Connect: return "connect";
        case ErrorKind::Tls: return "tls";
        case ErrorKind::Timeout: return "timeout";
        case ErrorKind::TooLarge: return "too large";
        case ErrorKind::BadResponse: return "bad response";
        case ErrorKind::HttpStatus: return "http status";
        case ErrorKind::RedirectRefused: return "redirect refused";
        case ErrorKind::File: return "file";
        case ErrorKind::Cancelled: return "cancelled";
        case ErrorKind::NotAVersion: return "not a version";
    }
    return "unknown";
}

}  // namespace korvana::online
