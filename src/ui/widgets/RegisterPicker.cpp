#include "RegisterPicker.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_RegisterPicker.h"

#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "base/MessageSink.h"
#include "project/ProjectModel.h"
#include "project/RegisterNumberRule.h"
#include "project/RegisterRefText.h"
#include "ui/widgets/DialogTexts.h"

#include <QRegularExpressionValidator>

CDlgRegister::CDlgRegister(const CAppSettings& settings, IMessageSink& messages,
                           const CProjectModel& model, const RegisterRef& current, int kind,
                           QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::RegisterPicker>()),
      settings_(settings),
      messages_(messages),
      model_(model),
      result_(current)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_REG);
    RememberDialogPlace(this, settings, QStringLiteral("PlaceRegister"));
    for (const CSingleDeviceInfo& d : model.Devices().devices)
        ui_->device->addItem(d.name);
    ui_->device->setCurrentIndex(qMax(0, ui_->device->findText(current.deviceName)));
    if (const auto* protocol = ProtocolTables::FindProtocol(model.info.plcType))
        ui_->area->addItems(RegisterNumberRule::AreasOfKind(*protocol, kind));
    ui_->area->setCurrentIndex(qMax(0, ui_->area->findText(current.area)));
    for (int b = 0; b < 8; ++b)
        ui_->bit->addItem(QString::number(b));
    ui_->bit->setCurrentIndex(qBound(0, current.bitNumber, 7));
    const int base = RegisterNumberRule::NumberBase(current.radix);
    ui_->number->setText(QString::number(uint(current.address), base));
    connect(ui_->area, &QComboBox::currentIndexChanged, this, &CDlgRegister::areaChanged);
    areaChanged();
    ui_->number->setFocus();
    ui_->number->selectAll();
}

CDlgRegister::~CDlgRegister() = default;

bool CDlgRegister::Pick(QWidget* parent, const CAppSettings& settings, IMessageSink& messages,
                        const CProjectModel& model, RegisterRef& ref, int kind)
{
    CDlgRegister dialog(settings, messages, model, ref, kind, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ref = dialog.Result();
    return true;
}

int CDlgRegister::radixOfArea() const
{
    const auto* protocol = ProtocolTables::FindProtocol(model_.info.plcType);
    if (!protocol)
        return result_.radix;
    const auto rows = ProtocolTables::RowsOfArea(*protocol, ui_->area->currentText());
    return rows.empty() ? result_.radix : rows.front()->radix;
}

void CDlgRegister::areaChanged()
{
    const auto* protocol = ProtocolTables::FindProtocol(model_.info.plcType);
    const auto rows = protocol ? ProtocolTables::RowsOfArea(*protocol, ui_->area->currentText())
                               : std::vector<const ProtocolTables::MemoryArea*>();
    const bool bits = !rows.empty() && rows.front()->bitOfWord;
    ui_->bit->setVisible(bits);
    ui_->bitLabel->setVisible(bits);
    const int radix = radixOfArea();
    const QString digits = radix == 1   ? QStringLiteral("[0-7]{1,8}")
                           : radix == 3 ? QStringLiteral("[0-9A-Fa-f]{1,8}")
                                        : QStringLiteral("[0-9]{1,9}");
    ui_->number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(digits), ui_->number));
}

void CDlgRegister::accept()
{
    const auto* protocol = ProtocolTables::FindProtocol(model_.info.plcType);
    if (!protocol) {
        QDialog::accept();
        return;
    }
    const QString area = ui_->area->currentText();
    const auto rows = ProtocolTables::RowsOfArea(*protocol, area);
    const int radix = rows.empty() ? result_.radix : rows.front()->radix;
    bool ok = false;
    const int number = ui_->number->text().toInt(&ok, RegisterNumberRule::NumberBase(radix));
    const ProtocolTables::MemoryArea* row =
        ok ? RegisterNumberRule::AcceptingRow(*protocol, area, number) : nullptr;
    if (!row) {
        const LocalText refused = RegisterRefText::InvalidNumberMessage(model_, area);
        messages_.ShowError(refused.Fill(settings_.LookupText(LS_MSG, refused.key)),
                            settings_.LookupText(LS_MSG, QStringLiteral("Error")));
        ui_->number->setFocus();
        ui_->number->selectAll();
        return;
    }
    result_.deviceName = ui_->device->currentText();
    result_.area = area;
    result_.address = number;
    result_.radix = row->radix;
    result_.bitOfWord = row->bitOfWord;
    result_.bitNumber = row->bitOfWord ? ui_->bit->currentIndex() : result_.bitNumber;
    QDialog::accept();
}
