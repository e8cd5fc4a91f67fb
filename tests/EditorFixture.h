#pragma once
// The editor's main window with every command plugged in, over a test
// program folder whose message recorder takes the editor's messages, shown.
#include "TestSupport.h"
#include "ui/app/CommandId.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

struct CEditorFixture
{
    explicit CEditorFixture(QSize size = QSize(1000, 700))
    {
        f.App().messages = &f;
        w.resize(size);
        w.show();
    }
    // The example project, copied into `out` and opened from there.
    bool OpenExample()
    {
        QFile::copy(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"),
                    out.path() + QStringLiteral("/Example.cgp"));
        return c.OpenProject(out.path(), QStringLiteral("Example"));
    }
    // Whether a command is enabled now.
    bool Enabled(CommandId id)
    {
        w.UpdateCommands();
        return w.Commands().Action(id)->isEnabled();
    }

    QTemporaryDir out;
    CTestProgramFolder f;
    CProjectController c{f.App()};
    CMainWindow w{c};
    CEditorCommands commands{w, c};
};
