#include "StartupSequence.h"
#include "ui/document/ProjectController.h"
#include "SingleInstance.h"
#include "StartProjectCommand.h"
#include "app/CrashRecovery.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "base/CommandLinePath.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {
constexpr int kModalRetryMs = 300;
} // namespace

QString CStartupSequence::FileArgument(const QStringList& arguments, const QString& currentDir)
{
    return AbsoluteCommandLinePath(arguments.mid(1).join(QLatin1Char(' ')), currentDir);
}

CStartupSequence::CStartupSequence(CProjectController& controller, CSingleInstance& instance,
                                   QObject* parent)
    : QObject(parent),
      controller_(controller),
      instance_(instance)
{
    openFile = [this](const QString& file) { controller_.OpenCommandLineFile(file); };
    startProject = [this] { StartProjectCommand::Run(controller_, window_); };
    // Later starts are heard only now that someone takes their requests.
    connect(&instance_, &CSingleInstance::raiseRequested, this, &CStartupSequence::raiseWindow);
    connect(&instance_, &CSingleInstance::fileRequested, this, &CStartupSequence::OpenRequested);
    instance_.Listen();
}

void CStartupSequence::AfterMainWindow(QWidget* window, const QString& fileArgument)
{
    window_ = window;
    // A file handed over while the recovery question is up is newer than
    // the command line's, and replaces it.
    if (pending_.isEmpty())
        pending_ = fileArgument;
    RecoverLeftovers();
    started_ = true;
    if (!pending_.isEmpty())
        QTimer::singleShot(0, this, &CStartupSequence::openPending);
    else if (controller_.App().settings.GetSettingInt(QStringLiteral("StartupStepDlg")) == 1)
        QTimer::singleShot(0, this, [this] { startProject(); });
}

void CStartupSequence::RecoverLeftovers()
{
    const CTessanApp& app = controller_.App();
    const auto text = [&app](const char* key) {
        return app.settings.LookupText(LS_MSG, QString::fromUtf8(key));
    };
    IMessageSink& messages = controller_.Messages();
    const CCrashRecovery recovery(app.settings.Paths(), app.projectsRoot);
    recovery.RemoveUnrecoverable();
    for (const LeftoverFolder& leftover : recovery.FindLeftovers()) {
        const QString target = recovery.RecoveredPackagePath(leftover);
        const MessageAnswer answer = messages.Ask(
            text(
                "The last run ended without closing project %1. Recover its working folder into %2?")
                    .arg(leftover.projectName, QDir::toNativeSeparators(target))
                + QLatin1Char('\n')
                + text(
                    "Yes recovers it, No deletes the folder, Cancel asks again at the next start."),
            text("Warning"), MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Yes) {
            QStringList damaged;
            const QString written = recovery.Recover(leftover, &messages, &damaged);
            if (!written.isEmpty())
                messages.ShowInformation(
                    text("Project %1 has been recovered into %2")
                        .arg(leftover.projectName, QDir::toNativeSeparators(written)),
                    text("Information"));
            if (!written.isEmpty() && !damaged.isEmpty())
                messages.ShowWarning(
                    text("These autosaved files were damaged and left out; the recovered "
                         "project holds them as they were last saved:")
                        + QLatin1Char('\n') + damaged.join(QLatin1Char('\n')),
                    text("Warning"));
        } else if (answer == MessageAnswer::No) {
            CCrashRecovery::Discard(leftover);
        }
    }
}

void CStartupSequence::OpenRequested(const QString& file)
{
    // One editor opens one project: the file asked for last is the one.
    pending_ = file;
    if (started_)
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
    const QString file = std::exchange(pending_, QString());
    openFile(file);
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
    // A question that is up (the recovery question, a dialog) stays in front
    // of the window it belongs to.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}
