#pragma once
#include "TestSupport.h"
#include "compiler/CompileReporter.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class CDiagramEntity;

// Records what a compilation reports.
class CRecordingReporter : public ICompileReporter
{
public:
    void Progress(int percent) override
    {
        progress.append(percent);
        if (onProgress)
            onProgress(percent);
    }
    void ClearOutput() override { ++clears; }
    void OutputLine(const QString& line) override { lines.append(line); }
    void Message(const QString& text, const QString& caption) override
    {
        messages.append(caption + QStringLiteral("|") + text);
    }
    void Finished(bool completed) override { finished.append(completed); }
    QStringList Warnings() const;

    QList<int> progress;
    QStringList lines;
    QStringList messages;
    QList<bool> finished;
    int clears = 0;
    std::function<void(int)> onProgress;
};

// A project "demo" of the RU03 panel and the V-Sequence PLC in a program
// folder of its own, with screens whose files the test fills.
class CCompileTestProject : public CTestProgramFolder
{
public:
    CCompileTestProject();
    // Adds the screen and writes its screen file with `objects`.
    void AddScreen(int number, std::vector<std::unique_ptr<CDiagramEntity>> objects = {});
    void WriteScreenFile(int number, std::vector<std::unique_ptr<CDiagramEntity>> objects);
    QString ScreenTitleOf(int number) const;
    // One compilation on this thread.
    bool Compile();
    CRecordingReporter reporter;
    class CCompiler* compiler = nullptr;
    std::unique_ptr<class CCompiler> owned;
};

// Big-endian readers for decoding images in tests.
namespace ImageBytes {
inline quint32 U8(const QByteArray& b, qsizetype at)
{
    return quint8(b.at(at));
}
inline quint32 U16(const QByteArray& b, qsizetype at)
{
    return U8(b, at) << 8 | U8(b, at + 1);
}
inline quint32 U24(const QByteArray& b, qsizetype at)
{
    return U8(b, at) << 16 | U16(b, at + 1);
}
inline quint32 U32(const QByteArray& b, qsizetype at)
{
    return U16(b, at) << 16 | U16(b, at + 2);
}
QByteArray Hex(const char* hex); // "00 00 10" -> bytes
} // namespace ImageBytes
