#include "DlgProgress.h"
#include "ui_DlgProgress.h"

#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "base/MessageSink.h"
#include "ui/widgets/DialogTexts.h"

#include <QApplication>
#include <QMessageBox>

CDlgProgress::CDlgProgress(const CAppSettings& settings, IMessageSink& messages,
                           const QString& caption, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DlgProgress>()),
      settings_(settings),
      messages_(messages),
      caption_(caption)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_PROGRESS);
    setWindowTitle(caption);
    setModal(true);
    ui_->text->setText(QStringLiteral("%1 %2%......").arg(caption_).arg(0));
    connect(ui_->cancel, &QPushButton::clicked, this, &CDlgProgress::askToStop);
}

CDlgProgress::~CDlgProgress() = default;

int CDlgProgress::Percent() const
{
    return ui_->bar->value();
}

QString CDlgProgress::Text() const
{
    return ui_->text->text();
}

void CDlgProgress::SetProgress(int percent)
{
    if (ended_)
        return;
    ++reports_;
    if (percent <= 100)
        ui_->bar->setValue(percent);
    ui_->text->setText(QStringLiteral("%1 %2%......").arg(caption_).arg(percent));
    if (percent >= 100) {
        closeStopQuestion();
        ended_ = true;
        accept();
    }
}

void CDlgProgress::Finish(bool ok)
{
    if (ended_)
        return;
    closeStopQuestion();
    ended_ = true;
    if (ok)
        accept();
    else
        QDialog::reject();
}

void CDlgProgress::reject()
{
    // Escape and the close button ask as "Cancel" does.
    askToStop();
}

void CDlgProgress::askToStop()
{
    if (ended_ || asking_)
        return;
    asking_ = true;
    const MessageAnswer answer =
        messages_.Ask(settings_.LookupText(LS_MSG, QStringLiteral("Stop the operation?")),
                      settings_.LookupText(LS_MSG, QStringLiteral("Warning")),
                      MessageButtons::OkCancel, MessageAnswer::Cancel);
    asking_ = false;
    // The operation may have ended while the question was open.
    if (ended_ || (answer != MessageAnswer::Yes && answer != MessageAnswer::Ok))
        return;
    ended_ = true;
    emit stopRequested();
    QDialog::reject();
}

void CDlgProgress::closeStopQuestion()
{
    if (!asking_)
        return;
    const QString warning = settings_.LookupText(LS_MSG, QStringLiteral("Warning"));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w);
            box && box->isVisible() && box->windowTitle() == warning)
            box->done(QMessageBox::Cancel);
}
