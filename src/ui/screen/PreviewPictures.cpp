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

QString partKey(const QRect& part)
{
    return QStringLiteral("%1,%2,%3x%4:")
        .arg(part.x())
        .arg(part.y())
        .arg(part.width())
        .arg(part.height());
}

} // namespace

void CPreviewPictures::Kept::Keep(const QString& key, const QImage& image)
{
    const qint64 size = image.sizeInBytes();
    if (bytes + size > kPreviewBudget)
        Clear();
    if (size <= kPreviewBudget / 4) {
        images.insert(key, image);
        bytes += size;
    }
}

void CPreviewPictures::Kept::Clear()
{
    images.clear();
    bytes = 0;
}

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
    panel_.Clear();
    previews_.Clear();
}

QImage CPreviewPictures::Preview(const CDiagramEntity& object, QSize size, const QRect& part,
                                 const ObjectPaintContext& ctx)
{
    const QRect drawn = part & QRect(QPoint(0, 0), size);
    if (drawn.isEmpty())
        return QImage();
    // A bitmap's centring depends on the parity of its edges; the other
    // previews only on the properties, the size and the zoom.
    QString key = QStringLiteral("%1:%2x%3@%4:")
                      .arg(object.Kind())
                      .arg(size.width())
                      .arg(size.height())
                      .arg(ctx.zoom, 0, 'g', 17)
                  + partKey(drawn);
    if (CObjectPainter::ForKind(object.Kind()).PreviewDependsOnPlace()) {
        const PaperRect r = object.GetRect();
        key += QStringLiteral("%1,%2:").arg(r.left).arg(r.top);
    }
    key += object.WriteKindFields();
    auto it = previews_.images.constFind(key);
    if (it != previews_.images.cend())
        return it.value();
    QImage image(drawn.size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.translate(-drawn.topLeft());
        CObjectPainter::ForKind(object.Kind()).Draw(p, object, QRect(QPoint(0, 0), size), ctx);
    }
    previews_.Keep(key, image);
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

QSize CPreviewPictures::PanelSize(const CDiagramEntity& object)
{
    const PaperRect r = object.GetRect();
    return QSize(side(qint64(r.right) - r.left), side(qint64(r.bottom) - r.top));
}

QImage CPreviewPictures::PanelPicture(const CDiagramEntity& object, const QRect& part)
{
    const int kind = object.Kind();
    const CObjectPainter& painter = CObjectPainter::ForKind(kind);
    if (!painter.HasPanelPicture())
        return QImage();
    const QSize size = PanelSize(object);
    const QRect drawn = part & QRect(QPoint(0, 0), size);
    if (drawn.isEmpty())
        return QImage();
    // The kind's fields and the rectangle decide the picture (the bitmap's
    // centring depends on the edges themselves).
    const PaperRect r = object.GetRect();
    const QString key = QStringLiteral("%1:%2,%3,%4,%5:")
                            .arg(kind)
                            .arg(r.left)
                            .arg(r.top)
                            .arg(size.width())
                            .arg(size.height())
                        + partKey(drawn) + object.WriteKindFields();
    auto it = panel_.images.constFind(key);
    if (it != panel_.images.cend())
        return it.value();
    QImage picture = painter.PanelPicture(object, size.width(), size.height(), drawn, *this);
    // Only exactly black pixels become ink on the panel; everything else is
    // its paper.
    if (!picture.isNull()) {
        for (int y = 0; y < picture.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = (line[x] & 0xFFFFFF) == 0 ? 0xFF000000 : 0xFFFFFFFF;
        }
    }
    panel_.Keep(key, picture);
    return picture;
}
