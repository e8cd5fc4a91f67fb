#pragma once
#include <QWidget>
#include <memory>

namespace Ui {
class CDlgProjectOpen;
}
class CAppSettings;

// The start dialog's page "Read Form Disk": a folder, the packages in it and
// the information record of the chosen one.
class CDlgProjectOpen : public QWidget
{
    Q_OBJECT
public:
    explicit CDlgProjectOpen(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CDlgProjectOpen() override;

    // Lists the packages of `folder` and chooses the first.
    void SetLocation(const QString& folder);
    QString Location() const;
    // The chosen package's name without ".cgp"; empty when none is chosen.
    QString ProjectName() const;

signals:
    void projectChosen();    // the choice changed (also to none)
    void projectActivated(); // a package was double-clicked

private:
    void listProjects();
    void showInformation();
    void browse();

    std::unique_ptr<Ui::CDlgProjectOpen> ui_;
    const CAppSettings& settings_;
};
