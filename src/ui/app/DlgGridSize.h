#pragma once
#include <QDialog>
#include <memory>

class CAppSettings;
namespace Ui {
class CDlgGridSize;
}

// View > Grid Size: the horizontal (1..192) and vertical (1..64) grid steps;
// "Default" sets both to 8.
class CDlgGridSize : public QDialog
{
    Q_OBJECT
public:
    CDlgGridSize(const CAppSettings& settings, int gridH, int gridV, QWidget* parent = nullptr);
    ~CDlgGridSize() override;
    int GridH() const;
    int GridV() const;
    Ui::CDlgGridSize& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::CDlgGridSize> ui_;
};
