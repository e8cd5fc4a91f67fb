#include "StartupSequence.h"
#include "ProjectController.h"
#include "SingleInstance.h"
#include "StartProjectCommand.h"
#include "app/TessanApp.h"
#include "base/CommandLinePath.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int kModalRetryMs = 300;
} // namespace

QString CStartupSequence::FileArgument(const QStringList& arguments, const QString& currentDir)
{
    return AbsoluteCommandLinePath(arguments.mid(1).join(QLatin1Char(' ')), currentDir);
}

CStartupSequence::CStartupSequence(CProjectController& controller, CSingleInstance& instance,
                                   QObject* parent)
    : QObject(parent), controller_(controller), instance_(instance)
{
    openFile = [this](const QString& file) { controller_.OpenCommandLineFile(file); };
    startProject = [this] { StartProjectCommand::Run(controller_, window_); };
}

void CStartupSequence::AfterMainWindow(QWidget* window, const QString& fileArgument)
{
    window_ = window;
    connect(&instance_, &CSingleInstance::raiseRequested, this, &CStartupSequence::raiseWindow);
    connect(&instance_, &CSingleInstance::fileRequested, this, &CStartupSequence::OpenRequested);
    if (!fileArgument.isEmpty()) {
        OpenRequested(fileArgument);
    } else if (controller_.App().settings.GetSettingInt(QStringLiteral("StartupStepDlg")) == 1) {
        QTimer::singleShot(0, this, [this] { startProject(); });
    }
}

void CStartupSequence::OpenRequested(const QString& file)
{
    pending_.append(file);
    QTimer::singleShot(0, this, &CStartupSequence::openPending);
}

void CStartupSequence::openPending()
{
    if (pending_.isEmpty())
        return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kModalRetryMs, this, &CStartupSequence::openPending);
        return;
    }
    const QString file = pending_.takeFirst();
    openFile(file);
    if (!pending_.isEmpty())
        QTimer::singleShot(0, this, &CStartupSequence::openPending);
}

void CStartupSequence::raiseWindow()
{
    if (!window_)
        return;
    if (window_->isMinimized())
        window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
}
