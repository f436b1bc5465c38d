#include "services/web_checks.h"

#include "services/version_text.h"

namespace korvana::online {

bool namesAnotherVersion(const VersionCheckOutcome& outcome) {
    return outcome.failure == ErrorKind::None && !isOwnVersion(outcome.version);
}

}  // namespace korvana::online
