#pragma once
// Helpers of the transfer tests: a virtual panel on a real pseudo-terminal
// in this process, a progress recorder and runtime images.
#include "TestSupport.h"
#include "VirtualPanel.h"
#include "app/TransferOperations.h"

#include <QTest>

#include <array>
#include <functional>
#include <memory>
#include <mutex>

class CRecordingProgress : public ITransferProgress
{
public:
    void PostProgress(int percent, int finalFlag) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        posts.append({percent, finalFlag});
        if (onPost)
            onPost(percent, finalFlag);
    }
    QList<QPair<int, int>> Posts()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return posts;
    }
    std::function<void(int, int)> onPost;
    QList<QPair<int, int>> posts;

private:
    std::mutex mutex_;
};

namespace PanelFixture {

inline std::unique_ptr<CVirtualPanel> StartPanel(VirtualPanelOptions options = {})
{
    auto panel = std::make_unique<CVirtualPanel>(std::move(options));
    if (!panel->Open())
        return nullptr;
    panel->Start();
    return panel;
}

inline VirtualPanelOptions WithFault(const QString& fault, VirtualPanelOptions o = {})
{
    PanelFault::Parse(fault, &o.fault);
    return o;
}

// An image of n bytes that needs firmware `fw`.
inline QByteArray MakeImage(int n, std::array<uint8_t, 4> fw = {1, 0, 0, 0})
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + 3) & 0xFF);
    for (int k = 0; k < 4 && 8 + k < n; ++k)
        b[8 + k] = char(fw[size_t(k)]);
    return b;
}

inline uint8_t Xor(const QByteArray& bytes)
{
    uint8_t v = 0;
    for (char c : bytes)
        v ^= uint8_t(c);
    return v;
}

// One operation through the shared entry point, on the engine's worker thread.
inline int Run(CTessanApp& app, int operation, const QString& port, uint8_t flag,
               const QByteArray& packed, ITransferProgress* progress = nullptr,
               QByteArray* received = nullptr)
{
    TransferOperations::RunOptions o;
    o.progress = progress;
    return TransferOperations::Run(app, operation, port, flag, packed, o, received);
}

} // namespace PanelFixture
