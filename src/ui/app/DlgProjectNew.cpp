#include "DlgProjectNew.h"
#include "ui_DlgProjectNew.h"
#include "app/StartProjectDefaults.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "project/ProtocolTables.h"
#include "ui/widgets/DialogTexts.h"

#include <QDir>
#include <QFileDialog>

CDlgProjectNew::CDlgProjectNew(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::CDlgProjectNew>()),
      settings_(settings)
{
    ui_->setupUi(this);
    ui_->hmiType->addItem(QString::fromLatin1(ProtocolTables::kPanelRU03));
    ui_->plcType->addItem(QString::fromLatin1(ProtocolTables::kVardoVSequence));
    DialogTexts::Apply(this, settings_, IDD_DLG_PROJECT_NEW);
    connect(ui_->browse, &QPushButton::clicked, this, &CDlgProjectNew::browse);
    connect(ui_->savePath, &QLineEdit::textEdited, this, &CDlgProjectNew::savePathEdited);
    connect(ui_->protocolSetup, &QPushButton::clicked, this, &CDlgProjectNew::protocolSetup);
}

CDlgProjectNew::~CDlgProjectNew() = default;

void CDlgProjectNew::SetSavePath(const QString& folder)
{
    ui_->savePath->setText(QDir::toNativeSeparators(folder));
    savePathEdited(folder);
}

void CDlgProjectNew::savePathEdited(const QString& folder)
{
    const QString typed = ui_->projectName->text();
    if (!typed.isEmpty() && typed != proposedName_)
        return; // the user's own name stays
    proposedName_ =
        StartProjectDefaults::FirstFreeProjectName(QDir::fromNativeSeparators(folder.trimmed()));
    ui_->projectName->setText(proposedName_);
}

void CDlgProjectNew::SetTypes(const QString& hmiType, const QString& plcType)
{
    const int hmi = ui_->hmiType->findText(hmiType);
    ui_->hmiType->setCurrentIndex(hmi >= 0 ? hmi : 0);
    const int plc = ui_->plcType->findText(plcType);
    ui_->plcType->setCurrentIndex(plc >= 0 ? plc : 0);
}

void CDlgProjectNew::SetProtocolSetup(ProtocolSetup setup)
{
    setup_ = std::move(setup);
    ui_->protocolSetup->setEnabled(bool(setup_));
}

void CDlgProjectNew::FocusName()
{
    ui_->projectName->setFocus();
    ui_->projectName->selectAll();
}

QString CDlgProjectNew::SavePath() const
{
    QString path = QDir::fromNativeSeparators(ui_->savePath->text().trimmed());
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString CDlgProjectNew::ProjectName() const
{
    return ui_->projectName->text().trimmed();
}

QString CDlgProjectNew::HmiType() const
{
    return ui_->hmiType->currentText();
}

QString CDlgProjectNew::PlcType() const
{
    return ui_->plcType->currentText();
}

void CDlgProjectNew::browse()
{
    const QString title =
        settings_.LookupText(IDD_DLG_PROJECT_NEW, QStringLiteral("Select folder for New Project"));
    const QString folder = QFileDialog::getExistingDirectory(this, title, SavePath());
    if (!folder.isEmpty())
        SetSavePath(folder);
}

void CDlgProjectNew::protocolSetup()
{
    if (!setup_)
        return;
    CDeviceInfo settings = protocol_ ? *protocol_ : CDeviceInfo();
    if (setup_(this, &settings))
        protocol_ = settings;
}
