#include "CompiledImages.h"

#include <QDir>
#include <QSaveFile>

QStringList CompiledImages::WriteDebugFiles(const QString& folder) const
{
    QStringList failed;
    for (const DebugFile& file : DebugFiles()) {
        const QString path = QDir(folder).filePath(file.name);
        QSaveFile out(path);
        bool ok = out.open(QIODevice::WriteOnly) && out.write(*file.bytes) == file.bytes->size();
        ok = ok ? out.commit() : (out.cancelWriting(), false);
        if (!ok)
            failed.append(QDir::toNativeSeparators(path));
    }
    return failed;
}
