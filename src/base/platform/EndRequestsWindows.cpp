#include "EndRequests.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

namespace {

constexpr int kInterrupt = 2;  // SIGINT
constexpr int kHangUp = 1;     // SIGHUP
constexpr int kTerminate = 15; // SIGTERM
constexpr wchar_t kWindowClass[] = L"CorvelEndRequestWindow";
// The system ends the program when a close or session-end handler returns;
// the program gets this long to finish first.
constexpr auto kGrace = std::chrono::seconds(10);

std::atomic<bool> g_taken{false};

} // namespace

struct EndRequestWatcher::State
{
    Handler handler;
    bool interruptOnly = false;
    std::mutex mutex;
    std::condition_variable ended;
    bool ending = false;
    HWND window = nullptr;
    std::thread windowThread;

    // Hands the request on; for one after which the system ends the process,
    // waits until the program let the watcher go or the grace time is over.
    void deliver(int number, bool waitForEnd)
    {
        if (handler)
            handler(number);
        if (!waitForEnd)
            return;
        std::unique_lock<std::mutex> lock(mutex);
        ended.wait_for(lock, kGrace, [this] { return ending; });
    }
};

namespace {

// The live watcher's state, and how many handlers are using it: the
// watcher's end waits for them.
std::mutex g_stateMutex;
EndRequestWatcher::State* g_state = nullptr;
std::atomic<int> g_inFlight{0};

// Holds the state for one handler; empty when no watcher lives.
class StateInUse
{
public:
    StateInUse()
    {
        std::lock_guard<std::mutex> lock(g_stateMutex);
        state_ = g_state;
        if (state_)
            ++g_inFlight;
    }
    ~StateInUse()
    {
        if (state_)
            --g_inFlight;
    }
    StateInUse(const StateInUse&) = delete;
    StateInUse& operator=(const StateInUse&) = delete;
    EndRequestWatcher::State* operator->() const { return state_; }
    explicit operator bool() const { return state_ != nullptr; }

private:
    EndRequestWatcher::State* state_ = nullptr;
};

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    StateInUse state;
    if (!state)
        return FALSE;
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT: state->deliver(kInterrupt, false); return TRUE;
    case CTRL_CLOSE_EVENT:
        if (state->interruptOnly)
            return FALSE;
        state->deliver(kHangUp, true);
        return TRUE;
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        if (state->interruptOnly)
            return FALSE;
        state->deliver(kTerminate, true);
        return TRUE;
    default: return FALSE;
    }
}

// A hidden top-level window: the end of the session reaches a program with
// windows as a message, not as a console event.
LRESULT CALLBACK OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        if (wParam) {
            StateInUse state;
            if (state)
                state->deliver(kTerminate, true);
        }
        return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

EndRequestWatcher::EndRequestWatcher(Handler onRequest, bool interruptOnly)
{
    if (g_taken.exchange(true))
        return;
    auto state = std::make_unique<State>();
    state->handler = std::move(onRequest);
    state->interruptOnly = interruptOnly;
    {
        std::lock_guard<std::mutex> lock(g_stateMutex);
        g_state = state.get();
    }
    if (!SetConsoleCtrlHandler(OnConsoleEvent, TRUE)) {
        std::lock_guard<std::mutex> lock(g_stateMutex);
        g_state = nullptr;
        g_taken = false;
        return;
    }
    if (!interruptOnly) {
        std::mutex started;
        std::condition_variable made;
        bool done = false;
        State* s = state.get();
        s->windowThread = std::thread([s, &started, &made, &done] {
            WNDCLASSW cls = {};
            cls.lpfnWndProc = OnWindowMessage;
            cls.hInstance = GetModuleHandleW(nullptr);
            cls.lpszClassName = kWindowClass;
            RegisterClassW(&cls);
            HWND window = CreateWindowExW(0, kWindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                          nullptr, cls.hInstance, nullptr);
            {
                std::lock_guard<std::mutex> lock(started);
                s->window = window;
                done = true;
            }
            made.notify_all();
            if (!window)
                return;
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        });
        std::unique_lock<std::mutex> lock(started);
        made.wait(lock, [&done] { return done; });
    }
    state_ = std::move(state);
}

EndRequestWatcher::~EndRequestWatcher()
{
    if (!state_)
        return;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->ending = true;
    }
    state_->ended.notify_all();
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    if (state_->windowThread.joinable()) {
        if (state_->window)
            PostMessageW(state_->window, WM_CLOSE, 0, 0);
        state_->windowThread.join();
    }
    {
        std::lock_guard<std::mutex> lock(g_stateMutex);
        g_state = nullptr;
    }
    while (g_inFlight > 0)
        std::this_thread::yield();
    g_taken = false;
}

} // namespace platform
