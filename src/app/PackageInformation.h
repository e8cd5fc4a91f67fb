#pragma once
#include "project/ProjectInfo.h"

#include <QStringList>
#include <optional>

struct AppPaths;

// What the start dialog shows of the packages in a folder, read without
// touching them or the open project.
namespace PackageInformation {

// The file names matching "*.cgp" in `folder` that are not folders, sorted.
QStringList PackagesIn(const QString& folder);

// The project information record of <folder>/<name>.cgp: the package is
// copied into a scratch folder and opened there by an application state of
// its own, so the package gets no ".bak" beside it and the open project is
// left alone. Nothing when it cannot be opened.
std::optional<ProjectInfo> Read(const AppPaths& paths, const QString& folder, const QString& name);

// "<n> Bytes": the length of the package file.
QString SizeText(const QString& packagePath);

} // namespace PackageInformation
