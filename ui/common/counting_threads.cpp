#include "ui/common/counting_threads.h"

#include <QThread>
#include <algorithm>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace korvana::ui {
namespace {

#ifdef __linux__
// On Linux a thread's niceness is its own and passes to the threads it
// starts, so the count's threads all yield to the window's.
constexpr bool kCountsYield = true;
// Enough for the window's thread to come first whenever it has work; the
// count still takes every core the window leaves idle.
constexpr int kNiceness = 10;
#else
constexpr bool kCountsYield = false;
#endif

}  // namespace

int countingThreads() {
    const int cores = QThread::idealThreadCount();
    // Where counts cannot yield, one core is left to the window.
    return std::max(1, kCountsYield ? cores : cores - 1);
}

void countBehindTheWindow() {
#ifdef __linux__
    // Best effort: where it is refused the count runs as before.
    const auto thread = static_cast<id_t>(gettid());
    (void)setpriority(PRIO_PROCESS, thread, std::max(getpriority(PRIO_PROCESS, thread), kNiceness));
#endif
}

}  // namespace korvana::ui
