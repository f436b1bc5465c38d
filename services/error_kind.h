#pragma once
// Why an online request or check failed, as a value: code and tests look at
// the kind, people read the text that goes with it.
namespace korvana::online {

enum class ErrorKind {
    None,             // no failure
    BadAddress,       // not an http or https address, or one that cannot be sent
    Lookup,           // the host name does not resolve
    Proxy,            // the proxy cannot be reached, refuses, or wants credentials
    Connect,          // none of the addresses answers, or the connection was reset
    Tls,              // the secure connection failed: certificate or handshake
    Timeout,          // the connect time limit or the request's deadline passed
    TooLarge,         // the reply's head or body went over its limit
    BadResponse,      // the reply breaks HTTP framing or ends too early
    HttpStatus,       // the site answered with an error status
    RedirectRefused,  // a redirect not followed: https to http, another scheme, too many
    File,             // the body could not be stored
    Cancelled,        // stopped by its owner before it ended
    NotAVersion,      // the version check's answer names no version
};

// A short fixed name for logs ("connect", "tls", ...).
const char* errorKindName(ErrorKind kind);

}  // namespace korvana::online
