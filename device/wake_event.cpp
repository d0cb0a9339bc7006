#include "device/wake_event.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace qmb {

WakeEvent::WakeEvent()
    : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

WakeEvent::~WakeEvent()
{
    if (fd_ >= 0) {
        close(fd_);
    }
}

void WakeEvent::Signal()
{
    const uint64_t one = 1;
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WakeEvent::Drain()
{
    uint64_t count = 0;
    while (read(fd_, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

}  // namespace qmb
