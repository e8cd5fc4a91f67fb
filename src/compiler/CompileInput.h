#pragma once
#include "CompiledImages.h"
#include "HZLib.h"
#include "base/AppSettings.h"
#include "base/VersionNumber.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <map>
#include <memory>

class CDiagramEntityContainer;
class CProjectModel;

// What one compilation reads, copied on the caller's thread before it starts,
// so that the project can go on being edited and drawn while it runs.
struct CompileInput
{
    explicit CompileInput(AppPaths paths) : settings(std::move(paths)) {}

    std::shared_ptr<const CProjectModel> model;
    CAppSettings settings; // the language texts of the Output lines
    QString projectFolder; // the working folder with the screen files
    // Screens whose objects are handed over in memory, by screen number: such
    // a screen is compiled from these objects, not from its screen file. The
    // compilation keeps each object's record and picture in it, as it does
    // with the objects it reads from a file.
    std::map<int, std::shared_ptr<CDiagramEntityContainer>> screenObjects;
    VersionNumber programVersion; // written into the project header
    CHZLib hzLib;                 // the characters encoded so far; grows
    bool writeDebugFiles = false; // the debug flag: the images also as files
    // Set by a confirmed Cancel; read at the compilation's stop checks.
    const std::atomic<int>* stopFlag = nullptr;
    // Which saved state of the project this is (0: one with unsaved edits);
    // the output carries it to the image it makes.
    quint64 savedState = 0;
};

// What one compilation hands back. The caller takes it over on its own
// thread: the font library and the bitmap data always (a stopped compilation
// keeps the characters it met, as the next one counts on them), the runtime
// image only from a completed one.
struct CompileOutput
{
    bool completed = false;
    int warnings = 0;
    quint64 savedState = 0; // the input's
    CompiledImages images;
    CHZLib hzLib;
    QByteArray bitmapData;
    // The debug files that could not be written: one warning box each,
    // shown by the caller.
    struct Message
    {
        QString text;
        QString caption;
    };
    QList<Message> messages;
};
