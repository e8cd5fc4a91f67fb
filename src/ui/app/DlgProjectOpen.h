#pragma once
#include <QTimer>
#include <QWidget>
#include <chrono>
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

    // Typing in "Location Path:" lists the folder once it pauses this long.
    static constexpr std::chrono::milliseconds kTypingPause{300};

signals:
    void projectChosen();    // the choice changed (also to none)
    void projectActivated(); // a package was double-clicked

private:
    // The path was typed in: the list waits for the pause.
    void locationEdited();
    void listProjects();
    void showInformation();
    void browse();

    std::unique_ptr<Ui::CDlgProjectOpen> ui_;
    const CAppSettings& settings_;
    QTimer typingPause_;
};
