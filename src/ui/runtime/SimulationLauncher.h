#pragma once
#include "base/WorkerThread.h"

#include <QObject>
#include <QPointer>

#include <memory>

class CProjectController;
class CSimulationCompile;
class CSimulatorWindow;
class QWidget;

// Panel > Simulate: compiles the open project as it stands — unsaved edits
// included, in a scratch folder, into an image of its own — on a worker
// thread, then loads it into the simulator window and shows it. It never
// asks to save and never touches the project's runtime image. Simulating again reloads the window's image and keeps
// the PLC's values and the screen shown. The window goes when the project
// closes.
class CSimulationLauncher : public QObject
{
    Q_OBJECT
public:
    CSimulationLauncher(CProjectController& controller, QWidget* windowParent);
    ~CSimulationLauncher() override;

    void Simulate();
    bool IsCompiling() const { return compile_ != nullptr; }
    // The window, once a simulation has been shown.
    CSimulatorWindow* Window() const;
    // Waits for a compilation that runs (tests).
    void WaitForCompile();

signals:
    void compilingChanged(bool compiling);
    // A simulation ended its start: `ok` when the window shows the image.
    void finished(bool ok);

private:
    void takeOver();
    void closeWindow();

    CProjectController& controller_;
    QWidget* windowParent_;
    QPointer<CSimulatorWindow> window_;
    std::unique_ptr<CSimulationCompile> compile_;
    CWorkerThread worker_;
};
