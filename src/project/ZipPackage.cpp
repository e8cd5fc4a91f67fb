#include "ZipPackage.h"
#include "ZipMemoryFile.h"
#include "base/TextCodec936.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <minizip/unzip.h>
#include <minizip/zip.h>

namespace {
constexpr qint64 kChunk = 64 * 1024;
}

CZipWriter::CZipWriter() = default;

CZipWriter::~CZipWriter()
{
    if (zip_)
        zipClose(static_cast<zipFile>(zip_), nullptr);
}

bool CZipWriter::Create(const QString& path)
{
    QByteArray native = QFile::encodeName(path);
    zip_ = zipOpen64(native.constData(), APPEND_STATUS_CREATE);
    if (!zip_)
        error_ = QStringLiteral("cannot create %1").arg(path);
    return zip_ != nullptr;
}

bool CZipWriter::AddFile(const QString& entryName, const QString& filePath)
{
    QFile in(filePath);
    if (!zip_ || !in.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("cannot read %1").arg(filePath);
        return false;
    }
    zip_fileinfo zi{};
    QDateTime t = QFileInfo(filePath).lastModified();
    zi.tmz_date.tm_sec = uInt(t.time().second());
    zi.tmz_date.tm_min = uInt(t.time().minute());
    zi.tmz_date.tm_hour = uInt(t.time().hour());
    zi.tmz_date.tm_mday = uInt(t.date().day());
    zi.tmz_date.tm_mon = uInt(t.date().month() - 1);
    zi.tmz_date.tm_year = uInt(t.date().year());
    // Code page 936 where it holds the name; a name it cannot hold would come
    // back with question marks and lose its file, so it is stored as UTF-8
    // with the UTF-8 flag (bit 11) set.
    QByteArray name = TextCodec936::Encode(entryName);
    uLong flagBase = 0;
    if (TextCodec936::Decode(name) != entryName) {
        name = entryName.toUtf8();
        flagBase = 0x800;
    }
    auto zf = static_cast<zipFile>(zip_);
    if (zipOpenNewFileInZip4_64(zf, name.constData(), &zi, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, 0, flagBase,
                                in.size() >= 0xFFFFFFFFLL)
        != ZIP_OK) {
        error_ = QStringLiteral("cannot add %1").arg(entryName);
        return false;
    }
    bool ok = true;
    while (ok && !in.atEnd()) {
        QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFile::NoError)
            ok = false;
        else if (zipWriteInFileInZip(zf, chunk.constData(), unsigned(chunk.size())) != ZIP_OK)
            ok = false;
    }
    if (zipCloseFileInZip(zf) != ZIP_OK)
        ok = false;
    if (!ok)
        error_ = QStringLiteral("cannot write %1").arg(entryName);
    return ok;
}

bool CZipWriter::Close()
{
    if (!zip_)
        return false;
    int r = zipClose(static_cast<zipFile>(zip_), nullptr);
    zip_ = nullptr;
    return r == ZIP_OK;
}

CZipReader::CZipReader() = default;

CZipReader::~CZipReader()
{
    Close();
}

bool CZipReader::Open(const QString& path)
{
    Close();
    const QByteArray native = QFile::encodeName(path);
    unz_ = unzOpen64(native.constData());
    return readDirectory(path);
}

bool CZipReader::OpenBytes(const QByteArray& package, const QString& name)
{
    Close();
    bytes_ = package;
    zlib_filefunc64_def table = ZipMemoryFile::Table(&bytes_);
    unz_ = unzOpen2_64("memory", &table);
    return readDirectory(name);
}

bool CZipReader::readDirectory(const QString& path)
{
    if (!unz_) {
        error_ = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    auto uf = static_cast<unzFile>(unz_);
    unz_global_info64 gi{};
    if (unzGetGlobalInfo64(uf, &gi) != UNZ_OK) {
        Close();
        return false;
    }
    if (gi.number_entry > ZPOS64_T(kMaxEntries)) {
        error_ = QStringLiteral("%1 holds more than %2 entries").arg(path).arg(kMaxEntries);
        Close();
        return false;
    }
    qint64 total = 0;
    int r = unzGoToFirstFile(uf);
    for (ZPOS64_T i = 0; i < gi.number_entry && r == UNZ_OK; ++i) {
        unz_file_info64 info{};
        char name[1024];
        if (unzGetCurrentFileInfo64(uf, &info, name, sizeof name, nullptr, 0, nullptr, 0)
            != UNZ_OK) {
            Close();
            return false;
        }
        if (info.uncompressed_size > ZPOS64_T(kMaxTotalSize - total)) {
            error_ =
                QStringLiteral("%1 unpacks to more than %2 bytes").arg(path).arg(kMaxTotalSize);
            Close();
            return false;
        }
        total += qint64(info.uncompressed_size);
        sizes_.push_back(qint64(info.uncompressed_size));
        unz64_file_pos pos{};
        unzGetFilePos64(uf, &pos);
        positions_.push_back({pos.pos_in_zip_directory, pos.num_of_file});
        QByteArray raw(name, int(qstrnlen(name, sizeof name)));
        names_.append((info.flag & 0x800) ? QString::fromUtf8(raw) : TextCodec936::Decode(raw));
        r = unzGoToNextFile(uf);
    }
    if (qint64(names_.size()) != qint64(gi.number_entry)) {
        error_ = QStringLiteral("damaged directory in %1").arg(path);
        Close();
        return false;
    }
    return true;
}

bool CZipReader::unpackEntry(int i, const std::function<bool(const char*, int)>& take)
{
    if (!unz_ || i < 0 || i >= names_.size())
        return false;
    auto uf = static_cast<unzFile>(unz_);
    unz64_file_pos pos{positions_[size_t(i)].first, positions_[size_t(i)].second};
    if (unzGoToFilePos64(uf, &pos) != UNZ_OK || unzOpenCurrentFile(uf) != UNZ_OK) {
        error_ = QStringLiteral("cannot read entry %1").arg(names_[i]);
        return false;
    }
    QByteArray buf(int(kChunk), Qt::Uninitialized);
    qint64 written = 0;
    bool ok = true;
    while (ok) {
        int n = unzReadCurrentFile(uf, buf.data(), unsigned(buf.size()));
        if (n < 0)
            ok = false;
        else if (n == 0)
            break;
        // Never more than the directory promised, for the entry or in all.
        else if (written + n > sizes_[size_t(i)] || extracted_ + n > kMaxTotalSize)
            ok = false;
        else if (!take(buf.constData(), n))
            ok = false;
        else {
            written += n;
            extracted_ += n;
        }
    }
    // A damaged entry fails its CRC check here.
    if (unzCloseCurrentFile(uf) != UNZ_OK)
        ok = false;
    return ok;
}

bool CZipReader::Extract(int i, const QString& filePath)
{
    if (!unz_ || i < 0 || i >= names_.size())
        return false;
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // The target is a working copy inside a folder that is made anew on every
    // open; a failed extraction removes what it wrote.
    QFile out(filePath);
    bool ok =
        out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && unpackEntry(i, [&out](const char* data, int n) { return out.write(data, n) == n; });
    out.close();
    if (ok && out.error() != QFile::NoError)
        ok = false;
    if (!ok)
        out.remove();
    if (!ok)
        error_ = QStringLiteral("cannot extract entry %1").arg(names_[i]);
    return ok;
}

bool CZipReader::Read(int i, QByteArray* bytes)
{
    bytes->clear();
    const bool ok = unpackEntry(i, [bytes](const char* data, int n) {
        bytes->append(data, n);
        return true;
    });
    if (!ok) {
        bytes->clear();
        if (i >= 0 && i < names_.size())
            error_ = QStringLiteral("cannot read entry %1").arg(names_[i]);
    }
    return ok;
}

void CZipReader::Close()
{
    if (unz_)
        unzClose(static_cast<unzFile>(unz_));
    unz_ = nullptr;
    names_.clear();
    positions_.clear();
    sizes_.clear();
    extracted_ = 0;
    bytes_.clear();
}
