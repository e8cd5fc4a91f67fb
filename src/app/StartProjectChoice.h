#pragma once
#include "project/DeviceInfo.h"

#include <QString>
#include <optional>

// What the user chose in the start dialog, handed to the Start Project
// command: a new project (its name, folder and types), or a package to open.
struct StartProjectChoice
{
    enum Mode { NewProject = 0, OpenFromDisk = 1, ReadFromPanel = 2 };

    int mode = NewProject;
    QString savePath;    // folder of the new package (modes 0 and 2)
    QString projectName; // the new project's name, or the chosen package's without ".cgp"
    QString hmiType;     // modes 0 and 2
    QString plcType;     // modes 0 and 2
    // The line settings chosen with "Protocol Setup...", only when set.
    std::optional<CDeviceInfo> protocol;
    QString locationPath; // folder of the chosen package (mode 1)

    // A project made here (new, or for the panel) goes on with its first
    // screen; a package opened from disk is shown as it is, screens or none.
    bool GoesOnWithNewScreen() const { return mode != OpenFromDisk; }
};
