#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The six images of one compilation and the runtime image that joins them.
struct CompiledImages
{
    QByteArray header;  // CompilerPrj.bin
    QByteArray screen;  // CompilerScn.bin
    QByteArray alarm;   // CompilerArm.bin
    QByteArray font;    // CompilerHZK.bin
    QByteArray bitmap;  // CompilerBMP.bin
    QByteArray comm;    // CompilerComm.bin
    QByteArray runtime; // Compiler.bin

    struct DebugFile
    {
        QString name;
        const QByteArray* bytes;
    };
    // The debug files in the order they are written.
    std::vector<DebugFile> DebugFiles() const
    {
        return {{QStringLiteral("CompilerPrj.bin"), &header},
                {QStringLiteral("CompilerScn.bin"), &screen},
                {QStringLiteral("CompilerArm.bin"), &alarm},
                {QStringLiteral("CompilerHZK.bin"), &font},
                {QStringLiteral("CompilerBMP.bin"), &bitmap},
                {QStringLiteral("CompilerComm.bin"), &comm},
                {QStringLiteral("Compiler.bin"), &runtime}};
    }
    // Writes the seven files into `folder`; returns the full paths of the
    // files that could not be written (the others are still attempted).
    QStringList WriteDebugFiles(const QString& folder) const;
};
