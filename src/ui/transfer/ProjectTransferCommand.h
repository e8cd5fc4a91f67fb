#pragma once
#include <QElapsedTimer>

class CProjectController;
class QWidget;

// File > Project Transfer: the save question, a compilation under the
// "Compiler" progress when the image is out of date, the Transfer dialog,
// then the download under the "Download" progress and its outcome's message.
class CProjectTransferCommand
{
public:
    explicit CProjectTransferCommand(CProjectController& controller) : controller_(controller) {}

    // The transfer's result code; -1 when nothing was sent (the project was
    // not saved, the compilation was stopped, the dialog was cancelled).
    int Run(QWidget* parent);

    // Milliseconds of the last run spent compiling and on the line.
    qint64 CompileMs() const { return compileMs_; }
    qint64 LineMs() const { return lineMs_; }

private:
    bool compile(QWidget* parent);

    CProjectController& controller_;
    qint64 compileMs_ = 0;
    qint64 lineMs_ = 0;
};
