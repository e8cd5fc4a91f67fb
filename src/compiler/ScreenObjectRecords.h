#pragma once
#include <QByteArray>
#include <QString>

class CCompileContext;
class CDiagramEntityContainer;

// The object records of one screen, read from its screen file through a fresh
// object container (never from an open editor).
namespace ScreenObjectRecords {
// The records in screen-file order; `count` receives the number written. A
// screen file that cannot be opened gives no objects.
QByteArray Build(CCompileContext& ctx, const QString& screenFile, const QString& title, int* count);
// The records of objects already in memory.
QByteArray Build(CCompileContext& ctx, CDiagramEntityContainer& container, const QString& title,
                 int* count);
} // namespace ScreenObjectRecords
