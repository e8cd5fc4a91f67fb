#include "BitmapThumbnailModel.h"
#include "app/BitmapLibrary.h"
#include "screen/BitmapFile.h"

#include <QDir>
#include <QPainter>

CBitmapThumbnailModel::CBitmapThumbnailModel(QObject* parent) : QAbstractListModel(parent) {}

void CBitmapThumbnailModel::SetFolder(const QString& folder)
{
    beginResetModel();
    folder_ = folder;
    files_ = CBitmapLibrary::ListBitmaps(folder);
    thumbnails_.clear();
    endResetModel();
}

int CBitmapThumbnailModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(files_.size());
}

QVariant CBitmapThumbnailModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= files_.size())
        return {};
    const QString& name = files_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return name;
    case Qt::DecorationRole: {
        auto it = thumbnails_.find(index.row());
        if (it == thumbnails_.end())
            it = thumbnails_.insert(index.row(),
                                    QPixmap::fromImage(Thumbnail(QDir(folder_).filePath(name))));
        return *it;
    }
    default: return {};
    }
}

QImage CBitmapThumbnailModel::Thumbnail(const QString& path)
{
    QImage thumb(kSide, kSide, QImage::Format_RGB888);
    thumb.fill(Qt::white);
    const QImage picture = BitmapFile::Read(path);
    if (picture.isNull())
        return thumb;
    // Small panel pictures grow by a whole factor, so their pixels stay
    // sharp; larger ones shrink smoothly.
    QImage scaled;
    if (picture.width() <= kSide && picture.height() <= kSide) {
        const int factor = qMax(1, qMin(kSide / picture.width(), kSide / picture.height()));
        scaled =
            picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        scaled = picture.scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPainter p(&thumb);
    p.drawImage((kSide - scaled.width()) / 2, (kSide - scaled.height()) / 2, scaled);
    return thumb;
}
