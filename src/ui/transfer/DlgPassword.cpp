#include "DlgPassword.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_DlgPassword.h"

#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"

#include <QRegularExpressionValidator>

CDlgPassword::CDlgPassword(const CAppSettings& settings, int mode, const QString& password,
                           QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DlgPassword>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_PSW);
    RememberDialogPlace(this, settings, QStringLiteral("PlacePassword"));
    const QString title = settings.LookupText(IDD_DLG_PSW, QStringLiteral("Title"));
    const QString modeText = settings.LookupText(
        IDD_DLG_PSW, mode == OptionPassword ? QStringLiteral("Option Password")
                                            : QStringLiteral("Upload Password"));
    setWindowTitle(
        QStringLiteral("%1 -> %2")
            .arg(title == QLatin1String("Title") ? QStringLiteral("Configure Password") : title,
                 modeText));
    ui_->password->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,8}")), ui_->password));
    ui_->password->setText(password.left(8));
    const bool stored = mode == UploadWithStored;
    ui_->useOld->setVisible(stored);
    ui_->useOld->setChecked(stored);
    ui_->password->setEnabled(!stored);
    connect(ui_->useOld, &QCheckBox::toggled, ui_->password,
            [this](bool on) { ui_->password->setEnabled(!on); });
}

CDlgPassword::~CDlgPassword() = default;

QString CDlgPassword::Password() const
{
    return ui_->password->text();
}
