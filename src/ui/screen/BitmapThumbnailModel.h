#pragma once
#include <QAbstractListModel>
#include <QHash>
#include <QPixmap>
#include <QStringList>

// The files of one bitmap folder as a list of 80 x 80 thumbnails. A picture
// is read only when the list first asks for it (a view asks for the rows it
// shows), so a folder of hundreds of files lists at once; a file that is no
// readable bitmap keeps a blank thumbnail.
class CBitmapThumbnailModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int kSide = 80;

    explicit CBitmapThumbnailModel(QObject* parent = nullptr);

    // Lists the bitmap files of `folder`; an empty folder empties the list.
    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }
    QString FileName(int row) const { return files_.value(row); }
    int RowOf(const QString& fileName) const { return int(files_.indexOf(fileName)); }
    // How many pictures have been read so far.
    int LoadedCount() const { return int(thumbnails_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The picture fitted into kSide x kSide with its aspect kept, on white,
    // in 24-bit colour; a blank square when the file cannot be read.
    static QImage Thumbnail(const QString& path);

private:
    QString folder_;
    QStringList files_;
    mutable QHash<int, QPixmap> thumbnails_;
};
