#include "DlgAbout.h"
#include "ui_DlgAbout.h"
#include "StartModePictures.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "base/VersionNumber.h"
#include "ui/widgets/DialogTexts.h"

CDlgAbout::CDlgAbout(const CAppSettings& settings, const VersionNumber& version, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CDlgAbout>())
{
    ui_->setupUi(this);
    // A missing text key comes back as the key itself: the built-in font stays.
    const QString family = settings.LookupText(IDD_DLG_ABOUTBOX, QStringLiteral("Font"));
    if (!family.isEmpty() && family != QLatin1String("Font")) {
        QFont f = font();
        f.setFamily(family);
        setFont(f);
    }
    DialogTexts::Apply(this, settings, IDD_DLG_ABOUTBOX);
    QFont product = ui_->product->font();
    product.setPointSizeF(product.pointSizeF() * 1.6);
    product.setBold(true);
    ui_->product->setFont(product);
    ui_->product->setText(QStringLiteral("Corvel"));
    ui_->version->setText(VersionLine(settings, version));
    ui_->picture->setPixmap(StartModePictures::Picture(2, 64));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

CDlgAbout::~CDlgAbout() = default;

QString CDlgAbout::VersionLine(const CAppSettings& settings, const VersionNumber& version)
{
    return QStringLiteral("%1: V%2.%3.%4.%5")
        .arg(settings.LookupText(IDD_DLG_ABOUTBOX, QStringLiteral("Version")))
        .arg(version.hh)
        .arg(version.hl)
        .arg(version.lh)
        .arg(version.ll);
}
