#include "EndRequests.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>

namespace platform {

namespace {

// [0] is read by the watcher's thread, [1] written by the signal handler; a
// zero byte asks the thread to end.
int g_pipe[2] = {-1, -1};
std::atomic<bool> g_taken{false};
constexpr int kAll[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kInterrupt[] = {SIGINT};

void OnSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

struct EndRequestWatcher::State
{
    bool interruptOnly = false;
    std::thread thread;
};

EndRequestWatcher::EndRequestWatcher(Handler onRequest, bool interruptOnly)
{
    if (g_taken.exchange(true))
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        g_taken = false;
        return;
    }
    ::fcntl(g_pipe[1], F_SETFL, O_NONBLOCK);
    state_ = std::make_unique<State>();
    state_->interruptOnly = interruptOnly;
    const int readEnd = g_pipe[0];
    state_->thread = std::thread([readEnd, handler = std::move(onRequest)] {
        char byte = 0;
        for (;;) {
            const ssize_t n = ::read(readEnd, &byte, 1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n != 1 || byte == 0)
                return;
            if (handler)
                handler(int(byte));
        }
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (interruptOnly) {
        for (int number : kInterrupt)
            ::sigaction(number, &action, nullptr);
    } else {
        for (int number : kAll)
            ::sigaction(number, &action, nullptr);
    }
}

EndRequestWatcher::~EndRequestWatcher()
{
    if (!state_)
        return;
    if (state_->interruptOnly) {
        for (int number : kInterrupt)
            ::signal(number, SIG_DFL);
    } else {
        for (int number : kAll)
            ::signal(number, SIG_DFL);
    }
    const char stop = 0;
    while (::write(g_pipe[1], &stop, 1) != 1 && errno == EAGAIN)
        std::this_thread::yield();
    state_->thread.join();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    g_taken = false;
}

} // namespace platform
