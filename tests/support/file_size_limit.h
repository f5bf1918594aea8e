// Runs a step while the process may write files only up to a few bytes, as on a
// full disk or when killed half way through a write.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <functional>

namespace test_support {

inline bool WithFileSizeLimit(rlim_t bytes, const std::function<bool()>& step) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    const rlimit small{bytes, limit.rlim_max};
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // a failing write, not a killed test
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool result = step();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, oldHandler);
    return result;
}

}  // namespace test_support
