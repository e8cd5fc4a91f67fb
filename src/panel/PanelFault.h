#pragma once
#include <QString>

// A fault to play at one reply point of the panel. Points: handshake,
// dl1 (reply to the download code), dl2 (password), dl3 (block count),
// dl4 (block), dl5 (check value), info, info-end, up-password, up-count,
// up-block, up-check, up-end.
struct PanelFault
{
    enum Kind { None, Silence, WrongReply, HangUp };
    Kind kind = None;
    QString point;
    int occurrence = 1; // the n-th time the point is reached
    // "silence@dl4", "wrong@up-check:2", "hangup@dl4:3"; false when malformed.
    static bool Parse(const QString& text, PanelFault* fault);
};
