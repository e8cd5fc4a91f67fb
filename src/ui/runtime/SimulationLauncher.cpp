#include "SimulationLauncher.h"
#include "SimulatorWindow.h"
#include "app/SimulationCompile.h"
#include "base/LanguageSection.h"
#include "base/MessageSink.h"
#include "project/ScreenObject.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ProjectMessages.h"
#include "ui/document/ScreenDocument.h"
#include "ui/widgets/UiText.h"

#include <QMetaObject>

CSimulationLauncher::CSimulationLauncher(CProjectController& controller, QWidget* windowParent)
    : QObject(windowParent),
      controller_(controller),
      windowParent_(windowParent)
{
    connect(&controller_, &CProjectController::projectClosed, this,
            &CSimulationLauncher::closeWindow);
}

CSimulationLauncher::~CSimulationLauncher()
{
    if (compile_)
        compile_->Stop();
    worker_.Wait();
}

CSimulatorWindow* CSimulationLauncher::Window() const
{
    return window_;
}

void CSimulationLauncher::Simulate()
{
    if (compile_ || !controller_.HasProject())
        return;
    CProjectController* controller = &controller_;
    compile_ = std::make_unique<CSimulationCompile>(controller_.App(), [controller](int number) {
        const CScreenDocument* doc = controller->LoadedScreenDocument(number);
        return doc ? &doc->Container() : nullptr;
    });
    emit compilingChanged(true);
    CSimulationCompile* job = compile_.get();
    worker_.Start([this, job] {
        job->Run();
        QMetaObject::invokeMethod(
            this, [this] { takeOver(); }, Qt::QueuedConnection);
    });
}

void CSimulationLauncher::WaitForCompile()
{
    worker_.Wait();
    if (compile_)
        takeOver();
}

void CSimulationLauncher::takeOver()
{
    if (!compile_)
        return;
    worker_.Wait();
    const std::unique_ptr<CSimulationCompile> job = std::move(compile_);
    emit compilingChanged(false);
    const CAppSettings& settings = controller_.App().settings;
    QString error = job->Error();
    bool ok = error.isEmpty();
    if (ok) {
        if (!window_) {
            window_ = new CSimulatorWindow(settings, windowParent_);
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        QHash<int, QString> names;
        for (const auto& d : controller_.App().model.Devices().devices)
            if (!names.contains(d.bytes[0]))
                names.insert(d.bytes[0], d.name);
        window_->SetDeviceNames(names);
        ok = window_->LoadImage(job->Image(), &error);
    }
    if (!ok) {
        controller_.Messages().Show(
            MessageKind::Error,
            UiText(settings, IDD_DLG_SIMULATOR, QStringLiteral("The project cannot be simulated:"))
                + QLatin1Char('\n') + error,
            ProjectMessages::Text(controller_, QStringLiteral("Error")));
        emit finished(false);
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    emit finished(true);
}

void CSimulationLauncher::closeWindow()
{
    if (window_)
        window_->close();
}
