#pragma once
#include "compiler/CompileReporter.h"

// A compilation's reports, dropped: the fuzz targets look at its output only.
class CNullCompileReporter : public ICompileReporter
{
public:
    void Progress(int) override {}
    void ClearOutput() override {}
    void OutputLine(const QString&) override {}
    void Message(const QString&, const QString&) override {}
    void Finished(bool) override {}
};
