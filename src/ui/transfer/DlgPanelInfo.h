#pragma once
#include "app/TransferOperations.h"

#include <QDialog>

#include <functional>
#include <memory>

class CAppSettings;
class CProjectController;
namespace Ui {
class DlgPanelInfo;
}

// Panel > Panel Information: reads the panel's information block once
// shortly after opening and on "Refresh", shows its values, and downloads
// or uploads runtime backups (.rtfbak). The reading and the transfers are
// run by the project controller (which keeps the port) under the progress
// dialog, the checks are the core's; this dialog adds the file and password
// choices.
class CDlgPanelInfo : public QDialog
{
    Q_OBJECT
public:
    CDlgPanelInfo(CProjectController& controller, const QString& port, QWidget* parent = nullptr);
    ~CDlgPanelInfo() override;

    // Chooses a backup file: (save, proposed path) -> the chosen path, empty
    // when the user cancelled. A file dialog unless set otherwise.
    std::function<QString(bool save, const QString& proposed)> chooseFile;

    // The values as shown, label text -> value text.
    QString ShownValue(const QString& label) const;
    const CPanelInformation& Information() const { return info_; }
    bool DirectionIsDownload() const;
    QString FilePath() const;

public slots:
    void Refresh();
    void Browse();
    void Transfer();

private:
    void setBackupEnabled(bool on);
    void showInformation(const CPanelInformation& info);
    void warn(const QString& text);
    QString projectFolder() const;

    std::unique_ptr<Ui::DlgPanelInfo> ui_;
    CProjectController& controller_;
    const CAppSettings& settings_;
    CPanelInformation info_;
    bool refreshing_ = false;
};
