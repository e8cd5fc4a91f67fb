#pragma once
#include "project/ProjectInfo.h"

#include <QDialog>
#include <memory>

class CAppSettings;
namespace Ui {
class CDlgProjectInfo;
}

// File > Project Information: shows the project's name, date and target and
// edits a copy of its company name, programmer and description.
class CDlgProjectInfo : public QDialog
{
    Q_OBJECT
public:
    CDlgProjectInfo(const CAppSettings& settings, const ProjectInfo& info,
                    QWidget* parent = nullptr);
    ~CDlgProjectInfo() override;
    // The copy with the user's edits (only the three editable fields differ).
    ProjectInfo Result() const;
    Ui::CDlgProjectInfo& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::CDlgProjectInfo> ui_;
    ProjectInfo info_;
};
