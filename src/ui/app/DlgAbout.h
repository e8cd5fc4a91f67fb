#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class CDlgAbout;
}
class CAppSettings;
struct VersionNumber;

// About: the product name and the program version ("Version: V1.0.0.4"),
// with the caption, the version label and the font from the language file.
class CDlgAbout : public QDialog
{
    Q_OBJECT
public:
    CDlgAbout(const CAppSettings& settings, const VersionNumber& version,
              QWidget* parent = nullptr);
    ~CDlgAbout() override;

    // "<label>: V<hh>.<hl>.<lh>.<ll>", the label from key "Version".
    static QString VersionLine(const CAppSettings& settings, const VersionNumber& version);

private:
    std::unique_ptr<Ui::CDlgAbout> ui_;
};
