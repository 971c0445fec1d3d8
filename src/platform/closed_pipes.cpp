#include "platform/closed_pipes.h"

#if !defined(_WIN32)
#include <csignal>
#endif

void ignoreClosedPipes() {
#if !defined(_WIN32)
    // Without this, POSIX ends the process with SIGPIPE on the first write after the close.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}
