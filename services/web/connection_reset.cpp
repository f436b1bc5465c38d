#include "services/web/connection_reset.h"

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace korvana::online {

ResetProbe::ResetProbe(qintptr descriptor) {
#ifdef Q_OS_LINUX
    if (descriptor >= 0) descriptor_ = ::dup(int(descriptor));
#else
    Q_UNUSED(descriptor);
#endif
}

ResetProbe::~ResetProbe() {
#ifdef Q_OS_LINUX
    if (descriptor_ >= 0) ::close(descriptor_);
#endif
}

bool ResetProbe::wasReset() const {
#ifdef Q_OS_LINUX
    if (descriptor_ < 0) return false;
    tcp_info info{};
    socklen_t size = sizeof info;
    if (::getsockopt(descriptor_, IPPROTO_TCP, TCP_INFO, &info, &size) != 0) return false;
    return info.tcpi_state == TCP_CLOSE;
#else
    return false;
#endif
}

}  // namespace korvana::online
