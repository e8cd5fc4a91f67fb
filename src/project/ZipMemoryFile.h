#pragma once
#include <QByteArray>

#include <minizip/ioapi.h>

// The minizip I/O table over a package held in memory: reads and seeks
// within the bytes, writes refused. The bytes must outlive every handle
// opened through the table.
namespace ZipMemoryFile {

zlib_filefunc64_def Table(const QByteArray* bytes);

} // namespace ZipMemoryFile
