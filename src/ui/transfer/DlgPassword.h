#pragma once
#include <QDialog>

#include <memory>

class CAppSettings;
namespace Ui {
class DlgPassword;
}

// "Configure Password": the option password (mode 0), an upload password
// (mode 1) or an upload password with the stored one offered (mode 2, with
// "Used Old Password" checked and the field disabled). Digits only, at most
// eight; OK hands the text back as it stands.
class CDlgPassword : public QDialog
{
    Q_OBJECT
public:
    enum Mode { OptionPassword = 0, UploadPassword = 1, UploadWithStored = 2 };
    CDlgPassword(const CAppSettings& settings, int mode,
                 const QString& password = QStringLiteral("36093609"), QWidget* parent = nullptr);
    ~CDlgPassword() override;

    QString Password() const;

private:
    std::unique_ptr<Ui::DlgPassword> ui_;
};
