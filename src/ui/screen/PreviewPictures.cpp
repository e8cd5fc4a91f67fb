#include "PreviewPictures.h"
#include "ObjectPainter.h"
#include "screen/BitmapFile.h"
#include "screen/ObjectStaticBitmap.h"

#include <QPainter>

#include <algorithm>

namespace {

// The compiled picture's side: the object's integer extent, 0 when negative.
int side(qint64 extent)
{
    return int(std::clamp<qint64>(extent, 0, CPreviewPictures::kMaxPanelSide));
}

// So many pictures at most; a screen holds at most about a hundred objects.
constexpr int kMaxKept = 512;

} // namespace

CPreviewPictures::CPreviewPictures(QString programDir, QString projectFolder)
    : programDir_(std::move(programDir)),
      projectFolder_(std::move(projectFolder))
{}

void CPreviewPictures::SetFolders(const QString& programDir, const QString& projectFolder)
{
    if (programDir == programDir_ && projectFolder == projectFolder_)
        return;
    programDir_ = programDir;
    projectFolder_ = projectFolder;
    Clear();
}

void CPreviewPictures::Clear()
{
    files_.clear();
    panel_.clear();
    previews_.clear();
    previewBytes_ = 0;
}

QImage CPreviewPictures::Preview(const CDiagramEntity& object, QSize size,
                                 const ObjectPaintContext& ctx)
{
    if (size.isEmpty())
        return QImage();
    // A bitmap's centring depends on the parity of its edges; the other
    // previews only on the properties, the size and the zoom.
    QString key = QStringLiteral("%1:%2x%3@%4:")
                      .arg(object.Kind())
                      .arg(size.width())
                      .arg(size.height())
                      .arg(ctx.zoom, 0, 'g', 17);
    if (CObjectPainter::ForKind(object.Kind()).PreviewDependsOnPlace()) {
        const PaperRect r = object.GetRect();
        key += QStringLiteral("%1,%2:").arg(r.left).arg(r.top);
    }
    key += object.WriteKindFields();
    auto it = previews_.constFind(key);
    if (it != previews_.cend())
        return it.value();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    {
        QPainter p(&image);
        CObjectPainter::ForKind(object.Kind()).Draw(p, object, QRect(QPoint(0, 0), size), ctx);
    }
    const qint64 bytes = image.sizeInBytes();
    if (previewBytes_ + bytes > kPreviewBudget) {
        previews_.clear();
        previewBytes_ = 0;
    }
    if (bytes <= kPreviewBudget / 4) {
        previews_.insert(key, image);
        previewBytes_ += bytes;
    }
    return image;
}

QImage CPreviewPictures::BitmapOf(const CObjectStaticBitmap& object)
{
    const QString path =
        BitmapFile::Path(programDir_, projectFolder_, object.folder, object.fileName);
    const QString key = path.isEmpty() ? object.folder + QLatin1Char('\\') + object.fileName : path;
    auto it = files_.constFind(key);
    if (it != files_.cend())
        return it.value();
    const QImage picture = BitmapFile::Read(path);
    files_.insert(key, picture);
    return picture;
}

QImage CPreviewPictures::PanelPicture(const CDiagramEntity& object)
{
    const int kind = object.Kind();
    const CObjectPainter& painter = CObjectPainter::ForKind(kind);
    if (!painter.HasPanelPicture())
        return QImage();
    const PaperRect r = object.GetRect();
    const int w = side(qint64(r.right) - r.left);
    const int h = side(qint64(r.bottom) - r.top);
    // The kind's fields and the rectangle decide the picture (the bitmap's
    // centring depends on the edges themselves).
    const QString key =
        QStringLiteral("%1:%2,%3,%4,%5:").arg(kind).arg(r.left).arg(r.top).arg(w).arg(h)
        + object.WriteKindFields();
    auto it = panel_.constFind(key);
    if (it != panel_.cend())
        return it.value();
    QImage picture = painter.PanelPicture(object, w, h, *this);
    // Only exactly black pixels become ink on the panel; everything else is
    // its paper.
    if (!picture.isNull()) {
        for (int y = 0; y < picture.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = (line[x] & 0xFFFFFF) == 0 ? 0xFF000000 : 0xFFFFFFFF;
        }
    }
    if (panel_.size() >= kMaxKept)
        panel_.clear();
    panel_.insert(key, picture);
    return picture;
}
