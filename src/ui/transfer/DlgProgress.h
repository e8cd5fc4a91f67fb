#pragma once
#include <QDialog>

#include <memory>

class CAppSettings;
class IMessageSink;
namespace Ui {
class DlgProgress;
}

// The progress of a compilation or a transfer: a text line, a bar and
// "Cancel". It follows the progress a job reports; 100 percent ends it with
// OK. "Cancel" asks "Stop the operation?" and, when the user agrees, emits
// stopRequested and ends with Cancel at once.
class CDlgProgress : public QDialog
{
    Q_OBJECT
public:
    CDlgProgress(const CAppSettings& settings, IMessageSink& messages, const QString& caption,
                 QWidget* parent = nullptr);
    ~CDlgProgress() override;

    int Percent() const;
    // How many progress reports have arrived.
    int Reports() const { return reports_; }
    QString Text() const;

public slots:
    void SetProgress(int percent);
    // The operation ended without reaching 100 percent.
    void Finish(bool ok);
    void reject() override;

signals:
    void stopRequested();

private:
    void askToStop();
    void closeStopQuestion();

    std::unique_ptr<Ui::DlgProgress> ui_;
    const CAppSettings& settings_;
    IMessageSink& messages_;
    QString caption_;
    bool ended_ = false;
    bool asking_ = false;
    int reports_ = 0;
};
