#pragma once
#include "RuntimeImage.h"

#include <QHash>
#include <QSet>

// The virtual PLC: the registers (16-bit words) and coils of every device,
// addressed by station number and panel address. What was never written
// reads 0 / off.
class CPanelMemory
{
public:
    quint16 Word(RuntimeRegister r) const;
    void SetWord(RuntimeRegister r, quint16 v);
    bool Coil(RuntimeRegister r) const;
    void SetCoil(RuntimeRegister r, bool on);

    // A value of two registers (r and the next address), in the effective
    // word order (the communication settings' word order after the panel's
    // DWORD exchange).
    quint32 DWord(RuntimeRegister r) const;
    void SetDWord(RuntimeRegister r, quint32 v);
    void SetWordOrder(bool lowWordFirst);
    bool LowWordFirst() const { return lowWordFirst_; }

    // The register after r (the address wraps at 16 bits).
    static RuntimeRegister Next(RuntimeRegister r, int by = 1);

    void Clear();

private:
    static quint32 key(RuntimeRegister r) { return quint32(r.device) << 16 | r.address; }
    QHash<quint32, quint16> words_;
    QSet<quint32> coilsOn_;
    bool lowWordFirst_ = false;
};
