#include "PanelLink.h"

#include <cstring>

int CPanelLink::OpenConnection()
{
    open_ = !panel_.HungUp();
    return open_ ? 1 : 0;
}

int CPanelLink::CloseConnection()
{
    if (!open_)
        return 0;
    open_ = false;
    replies_.clear();
    replyAt_ = 0;
    panel_.TimedOut();
    return 1;
}

int CPanelLink::WriteCom(const void* bytes, int n)
{
    if (!open_ || panel_.HungUp() || n <= 0)
        return 0;
    panel_.Feed(bytes, n);
    panel_.TakeDiscard(); // nothing of the tool's waits on this side of the line
    replies_.remove(0, replyAt_);
    replyAt_ = 0;
    replies_.append(panel_.TakeReplies());
    return n;
}

int CPanelLink::ReadComWait(void* bytes, int n, uint32_t)
{
    if (!open_ || n <= 0 || replies_.size() - replyAt_ < n)
        return 0;
    std::memcpy(bytes, replies_.constData() + replyAt_, size_t(n));
    replyAt_ += n;
    return n;
}
