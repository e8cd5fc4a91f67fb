#include "PanelPty.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

CPanelPty::CPanelPty() = default;

CPanelPty::~CPanelPty()
{
    HangUp();
    for (int& fd : wake_)
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
}

bool CPanelPty::Open()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return false;
    char name[128];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0
        || ::ptsname_r(master_, name, sizeof name) != 0) {
        HangUp();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        HangUp();
        return false;
    }
    termios t{};
    if (::tcgetattr(slave_, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(slave_, TCSANOW, &t);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (wake_[0] < 0 && ::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0)
        return false;
    return true;
}

void CPanelPty::HangUp()
{
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
    in_.clear();
}

void CPanelPty::RequestStop()
{
    stop_.store(true);
    if (wake_[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] ssize_t r = ::write(wake_[1], &c, 1);
    }
}

int64_t CPanelPty::Now()
{
    timespec ts;
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

void CPanelPty::SleepUntil(int64_t ns)
{
    static thread_local bool slackSet = false;
    if (!slackSet) {
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
        slackSet = true;
    }
    timespec ts{time_t(ns / 1000000000LL), long(ns % 1000000000LL)};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {}
}

bool CPanelPty::Fill(int timeoutMs)
{
    if (master_ < 0 || stop_.load())
        return false;
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    int r = ::poll(fds, 2, timeoutMs);
    if (r <= 0 || stop_.load())
        return false;
    if (!(fds[0].revents & POLLIN))
        return false;
    uint8_t buf[512];
    ssize_t got = ::read(master_, buf, sizeof buf);
    if (got <= 0)
        return false;
    const int64_t now = Now();
    for (ssize_t i = 0; i < got; ++i) {
        rxFree_ = std::max(rxFree_, now) + CharTimeNs(1);
        in_.push_back({buf[i], rxFree_});
    }
    return true;
}

bool CPanelPty::Read(uint8_t* bytes, int n, int timeoutMs)
{
    const int64_t deadline = timeoutMs < 0 ? 0 : Now() + int64_t(timeoutMs) * 1000000LL;
    while (int(in_.size()) < n) {
        int wait = -1;
        if (timeoutMs >= 0) {
            int64_t left = deadline - Now();
            if (left <= 0)
                return false;
            wait = int((left + 999999) / 1000000);
        }
        if (!Fill(wait)) {
            if (master_ < 0 || stop_.load())
                return false;
            // Nothing this time (or the tool's side is closed): look again
            // until the deadline, without spinning.
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN))
                ::usleep(10000);
        }
    }
    if (paced_)
        SleepUntil(in_[size_t(n - 1)].readyAt);
    for (int i = 0; i < n; ++i) {
        bytes[i] = in_.front().value;
        in_.pop_front();
    }
    return true;
}

bool CPanelPty::Write(const uint8_t* bytes, int n)
{
    if (master_ < 0)
        return false;
    for (int i = 0; i < n;) {
        int chunk = n - i;
        if (paced_) {
            txFree_ = std::max(txFree_, Now()) + CharTimeNs(1);
            SleepUntil(txFree_);
            chunk = 1;
        }
        ssize_t w = ::write(master_, bytes + i, size_t(chunk));
        if (w < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                pollfd p{master_, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            return false;
        }
        i += int(w);
    }
    return true;
}

bool CPanelPty::LineSettings(termios* t) const
{
    return slave_ >= 0 && ::tcgetattr(slave_, t) == 0;
}

void CPanelPty::DiscardInput()
{
    while (Fill(0)) {}
    in_.clear();
}
