#pragma once

namespace qmb {

// An eventfd that one thread signals to wake another thread's poll(). A
// signal stays pending until drained, so one sent before the poll starts
// is not lost.
class WakeEvent {
public:
    WakeEvent();
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Safe from any thread.
    void Signal();
    void Drain();

private:
    int fd_;
};

}  // namespace qmb
