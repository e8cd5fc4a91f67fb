// The transfer engine's replies over a real line: the engine talks to a
// pseudo-terminal whose other end answers with the fuzzer's bytes. The slow
// target (`make fuzz-pty`); fuzz_transfer_reply takes the same inputs over an
// in-memory link. The first byte picks the operation (download, get information, upload); the rest is everything the
// "panel" says, written as soon as the engine has opened the line. The
// engine's own bytes are drained and dropped.
#include "FuzzSupport.h"
#include "transfer/PanelInformation.h"
#include "transfer/Transfer.h"
#include "transfer/TransferProgress.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

class CScriptedLine : public ITransferProgress
{
public:
    CScriptedLine(int master, QByteArray script) : master_(master), script_(std::move(script)) {}
    void PostProgress(int, int) override
    {
        // The first post comes right after the engine opened the line.
        if (!written_) {
            written_ = true;
            const char* p = script_.constData();
            qsizetype left = script_.size();
            while (left > 0) {
                const ssize_t n = ::write(master_, p, size_t(left));
                if (n <= 0)
                    break;
                p += n;
                left -= n;
            }
        }
        char drop[4096];
        while (::read(master_, drop, sizeof drop) > 0) {}
    }

private:
    int master_;
    QByteArray script_;
    bool written_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 4000) // the replies fit the line's buffer at once
        return 0;
    CTessanApp& app = FuzzSupport::App();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0)
        return 0;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        ::close(master);
        return 0;
    }
    const QString slave = QString::fromLocal8Bit(::ptsname(master));
    static const int operations[] = {TO_DOWNLOAD, TO_GET_INFORMATION, TO_UPLOAD};
    CScriptedLine line(master, FuzzSupport::Bytes(data + 1, size - 1));
    {
        CTransfer engine(app.settings, app.stopFlag);
        engine.m_arrSend = QByteArray(150, '\x5A');
        engine.m_arrSend[8] = 1; // the firmware the image needs: 1.0.0.0
        engine.m_strPort = slave;
        engine.m_nOperation = operations[data[0] % 3];
        engine.m_byEnableUpdate = 1;
        engine.SetPassword(QByteArray(4, '\0'));
        engine.m_pProgressWnd.store(&line);
        // The replies are all there before the engine looks: a missing one
        // need not be waited for long.
        engine.m_handshakeWaitMs = 2;
        engine.m_replyWaitMs = 2;
        engine.Run();
        if (engine.m_nOperation == TO_GET_INFORMATION && engine.ResultCode() == TR_OK) {
            CPanelInformation info;
            info.Parse(engine.m_arrRecv);
        }
    }
    ::close(master);
    return 0;
}
