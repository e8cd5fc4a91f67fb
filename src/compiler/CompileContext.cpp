#include "CompileContext.h"
#include "HZLib.h"
#include "base/LanguageSection.h"
#include "CompileInput.h"
#include "base/MessageSink.h"
#include "project/ProjectModel.h"
#include "project/RegisterRef.h"
#include "screen/BitmapFile.h"

void CSilentCompileReporter::Message(const QString& text, const QString& caption)
{
    if (sink_)
        sink_->ShowWarning(text, caption);
}

CCompileContext::CCompileContext(const CompileInput& in, CompileOutput& out, ICompileReporter& r)
    : input(in),
      model(*in.model),
      reporter(r),
      coder(*in.model),
      hzLib(out.hzLib),
      bitmapData(out.bitmapData),
      projectName_(in.model->info.name)
{
    for (const auto& screen : model.screens)
        screenNumbers_.insert(screen->number);
}

QString CCompileContext::Text(int section, const QString& key)
{
    const QString cacheKey = QString::number(section) + QLatin1Char('/') + key;
    auto it = texts_.constFind(cacheKey);
    if (it != texts_.cend())
        return it.value();
    const QString text = input.settings.LookupText(section, key);
    texts_.insert(cacheKey, text);
    return text;
}

QString CCompileContext::Text(int section, int key)
{
    const QString cacheKey = QString::number(section) + QStringLiteral("/#") + QString::number(key);
    auto it = texts_.constFind(cacheKey);
    if (it != texts_.cend())
        return it.value();
    const QString text = input.settings.LookupText(section, key);
    texts_.insert(cacheKey, text);
    return text;
}

bool CCompileContext::StopRequested() const
{
    return input.stopFlag && input.stopFlag->load() != 0;
}

void CCompileContext::warn(const QString& line)
{
    ++warnings;
    Output(line);
}

void CCompileContext::RangeWarning(const QString& title, const QString& label, qint64 value)
{
    warn(QStringLiteral("  %1: [%2] ----> '%3'%4 %5")
             .arg(Text(LS_MSG, QStringLiteral("Warning")), title, label, QString::number(value),
                  Text(LS_MSG, QStringLiteral("is not within range"))));
}

void CCompileContext::KeyWarning(int keyIndex, const QString& title, const QString& label,
                                 qint64 value)
{
    warn(QStringLiteral("  %1: [%2] ----> F%3 '%4'%5 %6")
             .arg(Text(LS_MSG, QStringLiteral("Warning")), title, QString::number(keyIndex + 1),
                  label, QString::number(value),
                  Text(LS_MSG, QStringLiteral("is not within range"))));
}

void CCompileContext::ObjectWarning(const QString& title, const QString& name)
{
    warn(QStringLiteral("  %1: [%2] ----> '%3' %4")
             .arg(Text(LS_MSG, QStringLiteral("Warning")), title, name,
                  Text(LS_MSG, QStringLiteral("is not within range"))));
}

void CCompileContext::DeviceWarning(const QString& title, const QString& name)
{
    warn(QStringLiteral("  %1: [%2] ----> '%3' %4")
             .arg(Text(LS_MSG, QStringLiteral("Warning")), title, name,
                  Text(LS_MSG, QStringLiteral("names a device that does not exist"))));
}

void CCompileContext::CheckDevice(const RegisterRef& ref, const QString& title, const QString& name)
{
    if (!ReferencedDevice(model.Devices(), ref.deviceName))
        DeviceWarning(title, name);
}

void CCompileContext::PictureWarning(const QString& title, const QString& file)
{
    warn(QStringLiteral("  %1: [%2] ----> '%3' %4")
             .arg(Text(LS_MSG, QStringLiteral("Warning")), title, file,
                  Text(LS_MSG, QStringLiteral("is not a readable bitmap file"))));
}

void CCompileContext::SizeWarning(const QString& title, const QString& name, qint64 value,
                                  const QString& textKey)
{
    warn(QStringLiteral("  %1: [%2] ----> '%3' %4 %5")
             .arg(Text(LS_MSG, QStringLiteral("Warning")), title, name, QString::number(value),
                  Text(LS_MSG, textKey)));
}

QByteArray CCompileContext::EncodeText(const QString& text, const QString& title,
                                       const QString& name)
{
    if (text.size() > 255)
        SizeWarning(title, name, text.size(),
                    QStringLiteral("characters: a text holds at most 255"));
    return hzLib.EncodeText(text);
}

quint32 CCompileContext::AppendPicture(const QByteArray& packed)
{
    const quint32 offset = quint32(bitmapData.size());
    bitmapData.append(packed);
    pendingPictureBytes_ = 0;
    return offset;
}

bool CCompileContext::ReservePicture(qint64 bytes, const QString& title)
{
    const qint64 end = qint64(bitmapData.size()) + pendingPictureBytes_ + bytes;
    if (bitmapDataFull_ || end > kBitmapDataLimit) {
        if (!bitmapDataFull_)
            SizeWarning(title, QStringLiteral("CompilerBMP.bin"), end,
                        QStringLiteral("bytes: picture offsets reach only 16777215, the pictures "
                                       "beyond are left out"));
        bitmapDataFull_ = true;
        return false;
    }
    pendingPictureBytes_ += bytes;
    return true;
}

QString CCompileContext::PicturePath(const QString& folder, const QString& fileName) const
{
    return BitmapFile::Path(input.settings.Paths().programDir, input.projectFolder, folder,
                            fileName);
}

QImage CCompileContext::LoadPicture(const QString& folder, const QString& fileName,
                                    const QString& title)
{
    const QString path = PicturePath(folder, fileName);
    const QString key = path.isEmpty() ? folder + QLatin1Char('\\') + fileName : path;
    // The user knows the file by its name in the project, or by its library
    // folder and name, never by the program's working folder.
    const QString shown = folder.isEmpty() ? fileName : folder + QLatin1Char('\\') + fileName;
    auto it = pictures_.constFind(key);
    if (it != pictures_.cend()) {
        if (it.value().isNull())
            PictureWarning(title, shown);
        return it.value();
    }
    const QImage picture = BitmapFile::Read(path);
    pictures_.insert(key, picture);
    if (picture.isNull())
        PictureWarning(title, shown);
    return picture;
}
