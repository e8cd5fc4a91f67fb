#pragma once
#include "DlgProjectNew.h"
#include "app/StartProjectChoice.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CDlgStartProject;
}
class CAppSettings;
class CProjectController;
class CDlgProjectOpen;
class CDlgProjectOpenPanel;

// "Start Project": the three ways into a project (a new one, a package from
// disk, a new one for the panel on a serial port), the check box that shows
// the dialog at every start, and the link to the support page. It only
// collects the choice: OK leaves it in Result() for the Start Project
// command (CProjectController::StartProject). The check box and the port of
// the panel page are kept through the project controller.
class CDlgStartProject : public QDialog
{
    Q_OBJECT
public:
    // `initial` gives the folders to begin with and the values an empty
    // field leaves in the result.
    CDlgStartProject(CProjectController& controller, const StartProjectChoice& initial,
                     QWidget* parent = nullptr);
    ~CDlgStartProject() override;

    const StartProjectChoice& Result() const { return result_; }
    int Mode() const;
    void SetMode(int mode);
    // Enables "Protocol Setup..." with the protocol dialog.
    void SetProtocolSetup(CDlgProjectNew::ProtocolSetup setup);

    // App/SupportURL, or the maker's support site when it is empty.
    QString SupportUrl() const;
    static QString BuiltInSupportUrl();

    CDlgProjectNew* NewPage() const { return newPage_; }
    CDlgProjectOpen* OpenPage() const { return openPage_; }
    CDlgProjectOpenPanel* PanelPage() const { return panelPage_; }

    // Checks the choice and fills Result(); a name that cannot be a project
    // name, or a package the user does not want replaced, keeps the dialog open.
    void accept() override;

private:
    void showMode(int mode);
    void updateOk();
    bool takeNewProject();

    std::unique_ptr<Ui::CDlgStartProject> ui_;
    CProjectController& controller_;
    const CAppSettings& settings_;
    StartProjectChoice result_;
    CDlgProjectNew* newPage_ = nullptr;
    CDlgProjectOpen* openPage_ = nullptr;
    CDlgProjectOpenPanel* panelPage_ = nullptr;
};
