// The transfer engine's replies over an in-memory line: the inputs of
// fuzz_transfer_pty, without the pseudo-terminal. The first byte picks the
// operation (download, get information, upload); the rest is everything the
// "panel" says.
#include "FuzzSupport.h"
#include "MemoryLink.h"
#include "transfer/PanelInformation.h"
#include "transfer/Transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    CTessanApp& app = FuzzSupport::App();
    static const int operations[] = {TO_DOWNLOAD, TO_GET_INFORMATION, TO_UPLOAD};
    CMemoryLink line(FuzzSupport::Bytes(data + 1, size - 1));
    CTransfer engine(app.settings, app.stopFlag);
    engine.m_pLink = &line;
    engine.m_arrSend = QByteArray(150, '\x5A');
    engine.m_arrSend[8] = 1; // the firmware the image needs: 1.0.0.0
    engine.m_strPort = QStringLiteral("memory");
    engine.m_nOperation = operations[data[0] % 3];
    engine.m_byEnableUpdate = 1;
    engine.SetPassword(QByteArray(4, '\0'));
    engine.Run();
    if (engine.m_nOperation == TO_GET_INFORMATION && engine.ResultCode() == TR_OK) {
        CPanelInformation info;
        info.Parse(engine.m_arrRecv);
    }
    return 0;
}
