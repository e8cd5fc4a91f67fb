#pragma once
#include "project/FunKeyActions.h"

#include <QWidget>
#include <memory>

class CProjectController;
namespace Ui {
class CFunKeyAdvancedPage;
}

// The Advanced Function page: the device whose PLC is commanded (the names of
// the device list) and RUN or STOP.
class CFunKeyAdvancedPage : public QWidget
{
    Q_OBJECT
public:
    explicit CFunKeyAdvancedPage(CProjectController& controller, QWidget* parent = nullptr);
    ~CFunKeyAdvancedPage() override;

    void Load(const CFunKey_Advanced& action);
    void Store(CFunKey_Advanced& action) const;
    Ui::CFunKeyAdvancedPage& Form() const { return *ui_; }

private:
    std::unique_ptr<Ui::CFunKeyAdvancedPage> ui_;
};
