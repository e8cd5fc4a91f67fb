#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"

#include <QString>
#include <memory>
#include <span>

class CProjectModel;

// One row of the screen layer's table of kinds: the code, the name that the
// screen file stores ("Static Text"), and the factory of a new object with
// its defaults (`model` fills the default register reference).
struct ObjectKindEntry
{
    ObjectKind code;
    const char* storedName;
    std::unique_ptr<CDiagramEntity> (*create)(const CProjectModel* model);
};

// Every kind, in the order of their codes (the row of a code is its index).
std::span<const ObjectKindEntry> ObjectKinds();

// The kind name of a kind code ("Static Text" ... "String"); empty outside the table.
QString ObjectKindName(int kind);

// A new object of the kind with its defaults; none for a code outside the table.
// `model` fills the default register reference (device and area).
std::unique_ptr<CDiagramEntity> CreateObjectOfKind(int kind, const CProjectModel* model = nullptr);

// The object of one screen-file line: the first kind, in code order, whose
// ReadLine accepts the line; none when no kind does.
std::unique_ptr<CDiagramEntity> CreateObjectFromLine(const QString& line,
                                                     bool legacyRangeMode = false,
                                                     const CProjectModel* model = nullptr);
