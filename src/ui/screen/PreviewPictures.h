#pragma once
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>

class CDiagramEntity;
class CObjectStaticBitmap;
struct ObjectPaintContext;

// The pictures behind the previews of one screen window: the bitmap files of
// static bitmaps, read through the core's one reader, and the panel's
// pictures of text and bitmap objects, rendered by the core as the compiler
// renders them. Both are kept until the object or the file changes.
class CPreviewPictures
{
public:
    CPreviewPictures(QString programDir, QString projectFolder);

    // The picture file of a static bitmap; null when it cannot be read.
    QImage BitmapOf(const CObjectStaticBitmap& object);
    // The size of an object's panel picture: its integer extent, cut to
    // 0 .. kMaxPanelSide, as the compiler renders it.
    static QSize PanelSize(const CDiagramEntity& object);
    // The part `part` (picture pixels, within PanelSize) of the panel's
    // picture of a static text, dynamic text (its first text) or static
    // bitmap: black and white, exactly as the compiler renders it. Null for
    // the other kinds.
    QImage PanelPicture(const CDiagramEntity& object, const QRect& part);
    // The part `part` (window pixels, within the size) of the preview of an
    // object drawn by its kind's painter into `size` window pixels at the
    // context's zoom; drawn again only when the object's properties, size,
    // the part or the zoom change. Null for an empty part.
    QImage Preview(const CDiagramEntity& object, QSize size, const QRect& part,
                   const ObjectPaintContext& ctx);
    // The bytes of the previews and panel pictures kept.
    qint64 KeptBytes() const { return previews_.bytes + panel_.bytes; }
    // Forgets every picture (bitmap files may have changed on disk).
    void Clear();

    // Where the files are looked for; a change forgets every picture (the
    // project's folder moves when the project is saved under a new name).
    void SetFolders(const QString& programDir, const QString& projectFolder);
    const QString& ProgramDir() const { return programDir_; }
    const QString& ProjectFolder() const { return projectFolder_; }

    // Panel pictures of objects larger than this a side are not rendered.
    static constexpr int kMaxPanelSide = 4096;
    // Previews, and panel pictures, are kept up to so many bytes each, then
    // drawn afresh.
    static constexpr qint64 kPreviewBudget = qint64(32) << 20;

private:
    // Pictures by their key, up to the budget; one larger than a quarter of
    // it is not kept.
    struct Kept
    {
        QHash<QString, QImage> images;
        qint64 bytes = 0;
        void Keep(const QString& key, const QImage& image);
        void Clear();
    };

    QString programDir_;
    QString projectFolder_;
    QHash<QString, QImage> files_;
    Kept panel_;
    Kept previews_;
};
