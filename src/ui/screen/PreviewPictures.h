#pragma once
#include <QHash>
#include <QImage>
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
    // The panel's picture of a static text, dynamic text (its first text) or
    // static bitmap at the object's size: black and white, exactly as the
    // compiler renders it. Null for the other kinds.
    QImage PanelPicture(const CDiagramEntity& object);
    // The preview of an object drawn by its kind's painter into an image of
    // `size` window pixels at the context's zoom; drawn again only when the
    // object's properties, size or the zoom change. Null for an empty size.
    QImage Preview(const CDiagramEntity& object, QSize size, const ObjectPaintContext& ctx);
    // Forgets every picture (bitmap files may have changed on disk).
    void Clear();

    // Where the files are looked for; a change forgets every picture (the
    // project's folder moves when the project is saved under a new name).
    void SetFolders(const QString& programDir, const QString& projectFolder);
    const QString& ProgramDir() const { return programDir_; }
    const QString& ProjectFolder() const { return projectFolder_; }

    // Panel pictures of objects larger than this a side are not rendered.
    static constexpr int kMaxPanelSide = 4096;
    // Previews are kept up to so many bytes in all, then drawn afresh.
    static constexpr qint64 kPreviewBudget = qint64(32) << 20;

private:
    QString programDir_;
    QString projectFolder_;
    QHash<QString, QImage> files_;
    QHash<QString, QImage> panel_;
    QHash<QString, QImage> previews_;
    qint64 previewBytes_ = 0;
};
