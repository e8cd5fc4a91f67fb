#pragma once
#include "base/MessageSink.h"

class QWidget;

// The editor's message boxes: the kind picks the icon and the buttons, the
// caption and the text are shown as the core gives them (already looked up
// in the language file).
class CMessageBoxSink : public IMessageSink
{
public:
    explicit CMessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override;

private:
    QWidget* parent_;
};
