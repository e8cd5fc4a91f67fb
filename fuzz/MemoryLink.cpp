#include "MemoryLink.h"

#include <cstring>

int CMemoryLink::ReadComWait(void* bytes, int n, uint32_t)
{
    if (n <= 0 || replies_.size() - next_ < n)
        return 0;
    std::memcpy(bytes, replies_.constData() + next_, size_t(n));
    next_ += n;
    return n;
}
