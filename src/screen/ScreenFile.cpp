#include "ScreenFile.h"

#include <QSaveFile>

namespace ScreenFile {

bool WriteEmpty(const QString& path, int width, int height)
{
    // UTF-16LE without byte-order mark, CR LF after every line.
    const QString text = QStringLiteral("paper:%1,%2;\r\n").arg(width).arg(height);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return f.commit();
}

} // namespace ScreenFile
