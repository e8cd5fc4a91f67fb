#pragma once
#include <QDialog>
#include <memory>

class CAppSettings;
class IMessageSink;
class QRadioButton;
namespace Ui {
class CDlgZoom;
}

// View > Zoom: "Current Zoom" in percent and the levels 100% to 800%; a
// level puts its value into the field, OK takes 100..800.
class CDlgZoom : public QDialog
{
    Q_OBJECT
public:
    CDlgZoom(const CAppSettings& settings, int zoomPercent, QWidget* parent = nullptr);
    ~CDlgZoom() override;
    int ZoomPercent() const;
    QRadioButton* Level(int percent) const;
    Ui::CDlgZoom& Form() { return *ui_; }

    void accept() override;

private:
    std::unique_ptr<Ui::CDlgZoom> ui_;
};
