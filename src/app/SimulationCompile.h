#pragma once
#include "ProjectScreenObjects.h"
#include "compiler/CompileInput.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>

class CTessanApp;

// A compilation of the open project as it stands — unsaved edits included —
// into a runtime image of its own, for the panel simulation. It works on a
// scratch copy of the project's working folder, with the loaded screens
// written there from their documents, and with a font library of its own: the
// project's runtime image, font library, bitmap data and files stay as they
// are, and nothing asks to save.
class CSimulationCompile
{
public:
    // Taken on the caller's thread: the model, the loaded screens' bytes.
    CSimulationCompile(const CTessanApp& app, const CProjectScreenObjects::LoadedScreens& loaded);

    // Runs on any thread. True with the image when the compilation ran to
    // its end; false with a reason otherwise.
    bool Run();
    void Stop() { stop_.store(1); }

    const QByteArray& Image() const { return image_; }
    int Warnings() const { return warnings_; }
    QString Error() const { return error_; }
    // The compiler's Output lines, warnings among them.
    const QStringList& OutputLines() const { return lines_; }

private:
    CompileInput input_;
    QString workingFolder_;
    QString scratchParent_;
    QList<QPair<QString, QByteArray>> unsavedScreens_; // screen file name, bytes
    std::atomic<int> stop_{0};
    QByteArray image_;
    QStringList lines_;
    QString error_;
    int warnings_ = 0;
};
