#include "TessanDoc.h"
#include "base/Utf16Le.h"
#include "ObjectFactory.h"
#include "ScreenDocumentHost.h"
#include "base/MessageSink.h"
#include "project/ProjectModel.h"

#include <QFile>
#include <QSaveFile>

CTessanDoc::CTessanDoc(IScreenDocumentHost* host) : host_(host)
{
    if (host_) {
        container_.SetMessageSink(host_->Messages());
        container_.SetGroupNumberSource([host] { return host->NextGroupNumber(); },
                                        [host](int group) { host->GroupNumberSeen(group); });
    }
}

bool CTessanDoc::Load(const QString& path, QString* error)
{
    if (host_)
        container_.SetMessageSink(host_->Messages());
    if (!LoadFile(path, container_, host_ && host_->Model().IsLegacyRangeMode(),
                  host_ ? &host_->Model() : nullptr, error))
        return false;
    TakeAsSaved();
    return true;
}

bool CTessanDoc::Save(const QString& path, QString* error)
{
    return SaveFile(path, container_, error);
}

bool CTessanDoc::IsModified() const
{
    return WriteBytes(container_) != savedBytes_;
}

void CTessanDoc::TakeAsSaved()
{
    savedBytes_ = WriteBytes(container_);
}

void CTessanDoc::ReadBytes(const QByteArray& bytes, CDiagramEntityContainer& container,
                           bool legacyRangeMode, const CProjectModel* model)
{
    container.RemoveAll();
    container.ClearUndo();

    // UTF-16LE code units; an odd last byte is no unit.
    const QString text = Utf16Le::Decode(bytes);
    qsizetype start = 0;
    QString line;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype len = end - start;
        if (len > 0 && text[start + len - 1] == QLatin1Char('\r'))
            --len;
        line = text.mid(start, len);
        start = end + 1;
        if (line.trimmed().startsWith(QLatin1String("paper:")))
            continue; // the header
        if (auto object = CreateObjectFromLine(line, legacyRangeMode, model))
            container.AddLoaded(std::move(object));
    }
    if (container.GetSize() > CDiagramEntityContainer::kObjectLimit && container.MessageSink())
        container.MessageSink()->ShowWarning(
            QStringLiteral("The screen holds %1 objects, more than %2. All of them were loaded; "
                           "no object can be added until some are removed.")
                .arg(container.GetSize())
                .arg(CDiagramEntityContainer::kObjectLimit),
            QStringLiteral("Warning"));
}

QByteArray CTessanDoc::WriteBytes(const CDiagramEntityContainer& container)
{
    QString text = container.GetHeaderLine() + QLatin1String("\r\n");
    for (const auto& object : container.Objects()) {
        text += object->WriteLine();
        text += QLatin1String("\r\n");
    }
    return Utf16Le::Encode(text);
}

bool CTessanDoc::ReadFileBytes(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The screen file %1 cannot be opened.").arg(path);
        return false;
    }
    if (file.size() > kMaxFileSize) {
        if (error)
            *error = QStringLiteral("The screen file %1 is too large.").arg(path);
        return false;
    }
    *bytes = file.read(kMaxFileSize + 1);
    if (bytes->size() > kMaxFileSize) {
        if (error)
            *error = QStringLiteral("The screen file %1 is too large.").arg(path);
        return false;
    }
    return true;
}

bool CTessanDoc::LoadFile(const QString& path, CDiagramEntityContainer& container,
                          bool legacyRangeMode, const CProjectModel* model, QString* error)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes, error))
        return false;
    ReadBytes(bytes, container, legacyRangeMode, model);
    return true;
}

bool CTessanDoc::SaveFile(const QString& path, CDiagramEntityContainer& container, QString* error)
{
    const QByteArray bytes = WriteBytes(container);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("The screen file %1 cannot be written.").arg(path);
        return false;
    }
    return true;
}
