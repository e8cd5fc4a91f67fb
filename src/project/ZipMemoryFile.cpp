#include "ZipMemoryFile.h"

#include <cstring>

namespace ZipMemoryFile {

namespace {

struct Stream
{
    const QByteArray* bytes = nullptr;
    qint64 position = 0;
};

voidpf ZCALLBACK openStream(voidpf opaque, const void*, int mode)
{
    // Only reading: a package in memory is never written through here.
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    return new Stream{static_cast<const QByteArray*>(opaque), 0};
}

uLong ZCALLBACK readStream(voidpf, voidpf stream, void* buf, uLong size)
{
    auto* s = static_cast<Stream*>(stream);
    const qint64 left = s->bytes->size() - s->position;
    const qint64 n = qMax<qint64>(0, qMin<qint64>(qint64(size), left));
    if (n > 0)
        std::memcpy(buf, s->bytes->constData() + s->position, size_t(n));
    s->position += n;
    return uLong(n);
}

uLong ZCALLBACK writeStream(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellStream(voidpf, voidpf stream)
{
    return ZPOS64_T(static_cast<Stream*>(stream)->position);
}

long ZCALLBACK seekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* s = static_cast<Stream*>(stream);
    qint64 base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = s->position; break;
    case ZLIB_FILEFUNC_SEEK_END: base = s->bytes->size(); break;
    default: return -1;
    }
    // As with a file, the offset counts as signed; outside the bytes fails.
    const qint64 at = base + qint64(offset);
    if (at < 0 || at > s->bytes->size())
        return -1;
    s->position = at;
    return 0;
}

int ZCALLBACK closeStream(voidpf, voidpf stream)
{
    delete static_cast<Stream*>(stream);
    return 0;
}

int ZCALLBACK streamError(voidpf, voidpf)
{
    return 0;
}

} // namespace

zlib_filefunc64_def Table(const QByteArray* bytes)
{
    zlib_filefunc64_def table{};
    table.zopen64_file = openStream;
    table.zread_file = readStream;
    table.zwrite_file = writeStream;
    table.ztell64_file = tellStream;
    table.zseek64_file = seekStream;
    table.zclose_file = closeStream;
    table.zerror_file = streamError;
    table.opaque = const_cast<QByteArray*>(bytes);
    return table;
}

} // namespace ZipMemoryFile
