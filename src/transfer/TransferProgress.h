#pragma once

// Where the transfer engine posts its progress: the editor's progress
// dialog, or qv-cli's progress bar. Called on the engine's worker thread;
// an implementation must only post, never block.
class ITransferProgress
{
public:
    virtual ~ITransferProgress() = default;
    // percent 0..100; finalFlag 1 on the last post of a successful download
    // or upload.
    virtual void PostProgress(int percent, int finalFlag) = 0;
};
