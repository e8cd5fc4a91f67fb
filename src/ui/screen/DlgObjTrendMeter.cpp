#include "DlgObjTrendMeter.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterField.h"
#include "ui_DlgObjTrendMeter.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectTrendMeter.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

namespace {
const QString kDataPointRefused = QStringLiteral("Error OBJ-007 : Data Point is invalid");
}

CDlgObjTrendMeter::CDlgObjTrendMeter(CObjectTrendMeter& object)
    : CObjectPropertyForm(object),
      meter_(object),
      ui_(std::make_unique<Ui::CDlgObjTrendMeter>())
{}

CDlgObjTrendMeter::~CDlgObjTrendMeter() = default;

void CDlgObjTrendMeter::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_TRENDMETER);
    BindRegisterField(*ui_->fieldRegister, RegisterRef::KindWord);

    ui_->editPoint->SetDecimalField(1, 0, 5);
    ui_->editDataPoint->SetMode(CColorEdit::ModeDecimal);
    // Three digits: the range reaches the width less 2, up to 190.
    ui_->editDataPoint->SetMaxLength(3);
    ui_->editInterval->SetDecimalField(4, 1, 6000);

    format_ = std::make_unique<CValueFormatFields>(ValueFormatWidgets::Of(*ui_), true);
    format_->Connect(&dialog, Controller());
}

void CDlgObjTrendMeter::Load()
{
    LoadName(*ui_->editName, meter_);
    ui_->fieldRegister->SetRef(meter_.reg);
    format_->Load(meter_);
    // 2 .. the object's width less 2; the stored value is cut to that.
    const int most = DataPointMaximum();
    ui_->editDataPoint->SetRange(2, most);
    ui_->editDataPoint->SetSpinRange(2, most);
    ui_->editDataPoint->SetText(QString::number(qMin(meter_.dataPoints, most)));
    ui_->editInterval->SetText(QString::number(meter_.interval));
}

bool CDlgObjTrendMeter::Check()
{
    if (!format_->ApplySettings())
        return false;
    const int points = ui_->editDataPoint->Text().toInt();
    if (points < 2 || points > DataPointMaximum())
        return Refuse(*ui_->editDataPoint, kDataPointRefused);
    return true;
}

int CDlgObjTrendMeter::DataPointMaximum() const
{
    const PaperRect r = meter_.GetRect();
    return qMax(2, int(r.right - r.left) - 2);
}

void CDlgObjTrendMeter::Store()
{
    StoreName(*ui_->editName, meter_);
    meter_.reg = ui_->fieldRegister->Ref();
    format_->Store(meter_);
    meter_.dataPoints = ui_->editDataPoint->Text().toInt();
    meter_.interval = qMax(1, ui_->editInterval->Text().toInt());
}

QWidget* CDlgObjTrendMeter::FirstField() const
{
    return ui_->editName;
}
