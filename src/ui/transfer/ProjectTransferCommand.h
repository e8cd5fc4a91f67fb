#pragma once
#include <QtGlobal>

class CAppSettings;
class CProjectController;
class QWidget;

// File > Project Transfer in the editor: the save question, then the core's
// Project Transfer, run by the project controller with the editor's steps: a
// compilation under the "Compiler" progress, the Transfer dialog (its values
// kept by the controller), and the download under the "Download" progress.
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
    const CAppSettings& settings() const;

    CProjectController& controller_;
    qint64 compileMs_ = 0;
    qint64 lineMs_ = 0;
};
