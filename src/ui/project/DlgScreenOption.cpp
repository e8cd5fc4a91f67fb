#include "DlgScreenOption.h"
#include "ui/widgets/DialogPlace.h"
#include "DlgScreenFunKey.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui/widgets/RangeSpinBox.h"
#include "ui_DlgScreenOption.h"

#include <QPushButton>

CDlgScreenOption::CDlgScreenOption(CProjectController& controller, const CScreenObject& screen,
                                   DialogRunner runner, RegisterPicker picker, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgScreenOption>()),
      runner_(std::move(runner)),
      picker_(std::move(picker))
{
    CProjectModel::CopyScreenObject(screen, copy_);
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    const CAppSettings& s = controller.App().settings;
    DialogTexts::Apply(this, s, IDD_DLG_SCREEN_OPTION);
    RememberDialogPlace(this, s, QStringLiteral("PlaceScreenOption"));
    ui_->listKeys->setHeaderLabels(
        {s.LookupText(IDD_DLG_SCREEN_OPTION, QStringLiteral("Function Key")),
         s.LookupText(IDD_DLG_SCREEN_OPTION, QStringLiteral("Description"))});
    ui_->listKeys->setAccessibleName(ui_->groupKeys->title().remove(QLatin1Char('&')));
    ui_->editNumber->setText(QString::number(copy_.number));
    ui_->editName->setText(copy_.name);
    // A stored number outside 1..999 (0 in older projects) is shown and kept
    // as it is until the user changes it.
    for (CRangeSpinBox* field : {ui_->spinPrevious, ui_->spinNext})
        field->SetLimits(1, 999, 3);
    ui_->spinPrevious->SetNumber(copy_.screenChange.previous);
    ui_->spinNext->SetNumber(copy_.screenChange.next);
    fillKeys();
    ui_->listKeys->setCurrentItem(ui_->listKeys->topLevelItem(0));
    connect(ui_->listKeys, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { EditKey(ui_->listKeys->indexOfTopLevelItem(item)); });
    connect(ui_->buttonEditKey, &QPushButton::clicked, this, [this] {
        EditKey(qMax(0, ui_->listKeys->indexOfTopLevelItem(ui_->listKeys->currentItem())));
    });
    ui_->spinPrevious->setFocus();
}

CDlgScreenOption::~CDlgScreenOption() = default;

void CDlgScreenOption::fillKeys()
{
    const int current = ui_->listKeys->indexOfTopLevelItem(ui_->listKeys->currentItem());
    ui_->listKeys->clear();
    for (int k = 0; k < 5; ++k)
        new QTreeWidgetItem(ui_->listKeys,
                            {QStringLiteral("F%1").arg(k + 1), copy_.keys[size_t(k)].ListText()});
    ui_->listKeys->resizeColumnToContents(0);
    if (current >= 0)
        ui_->listKeys->setCurrentItem(ui_->listKeys->topLevelItem(current));
}

void CDlgScreenOption::EditKey(int index)
{
    if (index < 0 || index > 4)
        return;
    CDlgScreenFunKey dialog(controller_, copy_.keys, index, picker_, this);
    if (runner_(dialog) != QDialog::Accepted)
        return;
    copy_.keys = dialog.Keys();
    fillKeys();
}

CScreenObject CDlgScreenOption::Result() const
{
    CScreenObject out = copy_;
    out.screenChange.previous = ui_->spinPrevious->Number();
    out.screenChange.next = ui_->spinNext->Number();
    return out;
}
