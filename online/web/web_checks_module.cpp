// The module's entry point: the program loads this library when its first
// web check is due and makes its checks through this function.
#include <type_traits>

#include "web_check.h"

extern "C" Q_DECL_EXPORT korvana::online::WebChecks* korvana_web_checks_v2(
    const korvana::online::WebCheckSetup& setup, korvana::online::WebCheckEvents events) {
    return new korvana::online::WebCheck(setup, std::move(events));
}

static_assert(std::is_same_v<decltype(&korvana_web_checks_v2), korvana::online::WebChecksEntry>);
