#include "PanelMemory.h"

quint16 CPanelMemory::Word(RuntimeRegister r) const
{
    return words_.value(key(r), 0);
}

void CPanelMemory::SetWord(RuntimeRegister r, quint16 v)
{
    if (v == 0)
        words_.remove(key(r));
    else
        words_.insert(key(r), v);
}

bool CPanelMemory::Coil(RuntimeRegister r) const
{
    return coilsOn_.contains(key(r));
}

void CPanelMemory::SetCoil(RuntimeRegister r, bool on)
{
    if (on)
        coilsOn_.insert(key(r));
    else
        coilsOn_.remove(key(r));
}

RuntimeRegister CPanelMemory::Next(RuntimeRegister r, int by)
{
    r.address = std::uint16_t(r.address + by);
    return r;
}

quint32 CPanelMemory::DWord(RuntimeRegister r) const
{
    const quint32 first = Word(r);
    const quint32 second = Word(Next(r));
    return lowWordFirst_ ? (second << 16 | first) : (first << 16 | second);
}

void CPanelMemory::SetDWord(RuntimeRegister r, quint32 v)
{
    const quint16 high = quint16(v >> 16), low = quint16(v);
    SetWord(r, lowWordFirst_ ? low : high);
    SetWord(Next(r), lowWordFirst_ ? high : low);
}

void CPanelMemory::SetWordOrder(bool lowWordFirst)
{
    lowWordFirst_ = lowWordFirst;
}

void CPanelMemory::Clear()
{
    words_.clear();
    coilsOn_.clear();
}
