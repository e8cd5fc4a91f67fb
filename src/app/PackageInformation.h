#pragma once
#include "project/ProjectInfo.h"

#include <QStringList>
#include <optional>

// What the start dialog shows of the packages in a folder, read without
// touching them or the open project.
namespace PackageInformation {

// The file names matching "*.cgp" in `folder` that are not folders, sorted.
QStringList PackagesIn(const QString& folder);

// The project information record of <folder>/<name>.cgp, read from the
// package's project records alone (its "Prj.ini" and project document file;
// no screen is unpacked, nothing is written, the open project is left alone).
// Nothing when the package holds no project that could be opened.
std::optional<ProjectInfo> Read(const QString& folder, const QString& name);

// "<n> Bytes": the length of the package file.
QString SizeText(const QString& packagePath);

} // namespace PackageInformation
