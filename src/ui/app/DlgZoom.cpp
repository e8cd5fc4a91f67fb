#include "DlgZoom.h"
#include "ui/widgets/DialogPlace.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgZoom.h"

#include <QPushButton>
#include <QRadioButton>

CDlgZoom::CDlgZoom(const CAppSettings& settings, int zoomPercent, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CDlgZoom>())
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    DialogTexts::Apply(this, settings, IDD_DLG_ZOOM);
    RememberDialogPlace(this, settings, QStringLiteral("PlaceZoom"));
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &CDlgZoom::accept);
    ui_->spinZoom->setValue(zoomPercent);
    for (int percent = 100; percent <= 800; percent += 100) {
        QRadioButton* level = Level(percent);
        level->setChecked(percent == zoomPercent);
        connect(level, &QRadioButton::toggled, this, [this, percent](bool on) {
            if (on)
                ui_->spinZoom->setValue(percent);
        });
    }
}

CDlgZoom::~CDlgZoom() = default;

QRadioButton* CDlgZoom::Level(int percent) const
{
    return findChild<QRadioButton*>(QStringLiteral("radio%1").arg(percent));
}

int CDlgZoom::ZoomPercent() const
{
    return ui_->spinZoom->value();
}

void CDlgZoom::accept()
{
    // The spin box holds its value within 100..800; a half-typed value is
    // taken as it is corrected on leaving the field.
    ui_->spinZoom->interpretText();
    QDialog::accept();
}
