#include "DlgGridSize.h"
#include "ui/widgets/DialogPlace.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgGridSize.h"

CDlgGridSize::CDlgGridSize(const CAppSettings& settings, int gridH, int gridV, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CDlgGridSize>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_GRID_SIZE);
    RememberDialogPlace(this, settings, QStringLiteral("PlaceGridSize"));
    ui_->spinH->setValue(gridH);
    ui_->spinV->setValue(gridV);
    connect(ui_->defaultButton, &QPushButton::clicked, this, [this] {
        ui_->spinH->setValue(8);
        ui_->spinV->setValue(8);
    });
}

CDlgGridSize::~CDlgGridSize() = default;

int CDlgGridSize::GridH() const
{
    return ui_->spinH->value();
}

int CDlgGridSize::GridV() const
{
    return ui_->spinV->value();
}
