#include "DlgAlarm.h"
#include "ui/widgets/DialogPlace.h"
#include "ui/widgets/DigitSpinEdit.h"
#include "ui/document/ProjectMessages.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "project/AlarmListCsv.h"
#include "project/AlarmListRules.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgAlarm.h"
#include "ui/widgets/RegisterField.h"

#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSaveFile>

namespace {
constexpr qint64 kMaxCsvSize = 1024 * 1024;
}

CDlgAlarm::CDlgAlarm(CProjectController& controller, RegisterPicker picker, FileChooser importFile,
                     FileChooser exportFile, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgAlarm>()),
      picker_(std::move(picker)),
      importFile_(std::move(importFile)),
      exportFile_(std::move(exportFile))
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    const CAppSettings& s = controller.App().settings;
    DialogTexts::Apply(this, s, IDD_DLG_ALARM);
    RememberDialogPlace(this, s, QStringLiteral("PlaceAlarmList"), true);
    ui_->gridAlarms->setColumnCount(2);
    ui_->gridAlarms->setHorizontalHeaderLabels(
        {s.LookupText(IDD_DLG_ALARM, QStringLiteral("Coil Number")),
         s.LookupText(IDD_DLG_ALARM, QStringLiteral("Alarm Message"))});
    ui_->gridAlarms->horizontalHeader()->setStretchLastSection(true);
    ui_->gridAlarms->setColumnWidth(0, 110);
    ui_->gridAlarms->setTabKeyNavigation(false);
    ui_->gridAlarms->setAccessibleName(windowTitle());
    ui_->fieldCoil->Bind(RegisterRef::KindBit, picker_);

    const CProjectModel& model = controller.App().model;
    ui_->fieldCoil->SetRef(AlarmListRules::StartCoil(model));
    ui_->editCount->SetRange(0, AlarmListRules::kMaxAlarms);
    // A stored list longer than the field's 100 is shown whole and kept
    // until the count is edited.
    const int stored = int(model.alarms.items.size());
    {
        const QSignalBlocker block(ui_->editCount);
        ui_->editCount->SetStoredValue(stored);
    }
    resizeRows(stored);
    for (int r = 0; r < ui_->gridAlarms->rowCount(); ++r)
        ui_->gridAlarms->item(r, 1)->setText(model.alarms.items[size_t(r)].message);

    connect(ui_->fieldCoil, &CRegisterField::picked, this, &CDlgAlarm::relabel);
    connect(ui_->editCount, &CDigitSpinEdit::textChanged, this, &CDlgAlarm::onCountEdited);
    connect(ui_->buttonImport, &QPushButton::clicked, this, [this] {
        const QString path = importFile_ ? importFile_(this) : QString();
        if (!path.isEmpty())
            ImportFile(path);
    });
    connect(ui_->buttonExport, &QPushButton::clicked, this, [this] {
        const QString path = exportFile_ ? exportFile_(this) : QString();
        if (!path.isEmpty())
            ExportFile(path);
    });
    ui_->fieldCoil->PickButton()->setFocus();
}

CDlgAlarm::~CDlgAlarm() = default;

void CDlgAlarm::SetCount(int count)
{
    count = qBound(0, count, AlarmListRules::kMaxAlarms);
    {
        const QSignalBlocker block(ui_->editCount);
        ui_->editCount->SetValue(count);
    }
    resizeRows(count);
}

void CDlgAlarm::onCountEdited()
{
    // An empty field counts as no alarms while it is being typed.
    resizeRows(ui_->editCount->Value().value_or(0));
}

void CDlgAlarm::resizeRows(int count)
{
    const int old = ui_->gridAlarms->rowCount();
    ui_->gridAlarms->setRowCount(count);
    for (int r = old; r < count; ++r) {
        auto* coil = new QTableWidgetItem;
        coil->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        ui_->gridAlarms->setItem(r, 0, coil);
        ui_->gridAlarms->setItem(r, 1, new QTableWidgetItem);
    }
    relabel();
}

void CDlgAlarm::relabel()
{
    for (int r = 0; r < ui_->gridAlarms->rowCount(); ++r) {
        ui_->gridAlarms->item(r, 0)->setText(
            AlarmListRules::CoilLabel(AlarmListRules::CoilOfRow(StartCoil(), r)));
        ui_->gridAlarms->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
    }
}

QStringList CDlgAlarm::Messages() const
{
    QStringList out;
    for (int r = 0; r < ui_->gridAlarms->rowCount(); ++r)
        out.append(ui_->gridAlarms->item(r, 1)->text());
    return out;
}

RegisterRef CDlgAlarm::StartCoil() const
{
    return ui_->fieldCoil->Ref();
}

bool CDlgAlarm::ImportFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCsvSize) {
        ProjectMessages::Error(controller_,
                               LocalText{QStringLiteral("The file %1 can't be read"), {path}, {}});
        return false;
    }
    LocalText error;
    const auto content = AlarmListCsv::Read(file.readAll(), controller_.App().model, &error);
    if (!content) {
        ProjectMessages::Error(controller_, error);
        return false;
    }
    if (content->start) {
        ui_->fieldCoil->SetRef(*content->start);
    }
    SetCount(int(content->messages.size()));
    for (int r = 0; r < content->messages.size(); ++r)
        ui_->gridAlarms->item(r, 1)->setText(content->messages[r]);
    return true;
}

bool CDlgAlarm::ExportFile(const QString& path)
{
    ui_->gridAlarms->setCurrentCell(-1, -1); // ends an edit in progress
    const QByteArray bytes = AlarmListCsv::Write(StartCoil(), Messages());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        ProjectMessages::Error(
            controller_, LocalText{QStringLiteral("The file %1 can't be written"), {path}, {}});
        return false;
    }
    return true;
}

void CDlgAlarm::accept()
{
    const QStringList messages = Messages();
    const int bad = AlarmListRules::FirstInvalidRow(messages);
    if (bad > 0) {
        ui_->gridAlarms->setFocus();
        ui_->gridAlarms->setCurrentCell(bad - 1, 1);
        ProjectMessages::Warning(
            controller_,
            ProjectMessages::Text(
                controller_, QStringLiteral("Error OBJ-004 : Row %d is invalid, please reinput it"))
                .replace(QLatin1String("%d"), QString::number(bad)));
        return;
    }
    result_ = AlarmListRules::Build(StartCoil(), messages);
    QDialog::accept();
}
