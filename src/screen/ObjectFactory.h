#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"

#include <QString>
#include <memory>

class CProjectModel;

// The kind name of a kind code ("Static Text" ... "String"); empty outside 0..7.
QString ObjectKindName(int kind);

// A new object of the kind with its defaults; none for a code outside 0..7.
// `model` fills the default register reference (device and area).
std::unique_ptr<CDiagramEntity> CreateObjectOfKind(int kind, const CProjectModel* model = nullptr);

// The object of one screen-file line: the first kind, in code order, whose
// ReadLine accepts the line; none when no kind does.
std::unique_ptr<CDiagramEntity> CreateObjectFromLine(const QString& line,
                                                     bool legacyRangeMode = false,
                                                     const CProjectModel* model = nullptr);
