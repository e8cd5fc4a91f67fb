#pragma once
#include <functional>
#include <memory>

// The requests from outside to end the program: on POSIX the signals
// SIGTERM, SIGHUP and SIGINT (a kill, a logout or a closed terminal, Ctrl+C);
// on Windows the console's Ctrl+C and Ctrl+Break, its closing, and the end of
// the user's session. While a watcher lives they no longer end the program:
// each reaches `onRequest`, called on a thread of the watcher's own, with the
// request's number (the signal's number on POSIX; on Windows the number of
// the POSIX signal that means the same: 2 for Ctrl+C, 1 for a closed
// console, 15 for the end of the session). One watcher at a time; the
// default handling comes back when it goes.
namespace platform {

class EndRequestWatcher
{
public:
    using Handler = std::function<void(int number)>;
    // `interruptOnly`: only Ctrl+C (SIGINT) is caught.
    explicit EndRequestWatcher(Handler onRequest, bool interruptOnly = false);
    ~EndRequestWatcher();
    EndRequestWatcher(const EndRequestWatcher&) = delete;
    EndRequestWatcher& operator=(const EndRequestWatcher&) = delete;

    // False when the requests could not be caught (another watcher lives, or
    // the platform refused): they then end the program as they always do.
    bool IsActive() const { return state_ != nullptr; }

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace platform
