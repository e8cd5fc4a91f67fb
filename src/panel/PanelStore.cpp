#include "PanelStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}
} // namespace

CPanelStore::CPanelStore(QString dir) : dir_(std::move(dir))
{
    Load();
}

void CPanelStore::Load()
{
    if (dir_.isEmpty())
        return;
    image = ReadAll(dir_ + QStringLiteral("/runtime.bin"));
    QByteArray pw = ReadAll(dir_ + QStringLiteral("/password.bin"));
    password = pw.size() == 4 ? pw : QByteArray(4, '\0');
    QByteArray flag = ReadAll(dir_ + QStringLiteral("/upload.flag"));
    uploadFlag = flag.isEmpty() ? 0 : uint8_t(flag[0]);
}

bool CPanelStore::Save(const QByteArray& newImage, const QByteArray& password4, uint8_t flag)
{
    image = newImage;
    password = password4;
    uploadFlag = flag;
    if (dir_.isEmpty())
        return true;
    QDir().mkpath(dir_);
    return WriteAll(dir_ + QStringLiteral("/runtime.bin"), image)
           && WriteAll(dir_ + QStringLiteral("/password.bin"), password)
           && WriteAll(dir_ + QStringLiteral("/upload.flag"), QByteArray(1, char(flag)));
}
