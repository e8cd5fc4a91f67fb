#pragma once
#include <QByteArray>

class CDiagramEntity;
class CObjectBuildContext;

// The compiled record of one screen object of any kind. Objects with a
// picture (texts, bitmaps) render it into the bitmap data first and keep it
// in bitmapBytes; the record is kept in recordBytes.
namespace ObjectRecords {
QByteArray Build(CDiagramEntity& object, CObjectBuildContext& ctx);
} // namespace ObjectRecords
