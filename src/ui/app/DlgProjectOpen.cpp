#include "DlgProjectOpen.h"
#include "ui_DlgProjectOpen.h"
#include "app/PackageInformation.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"

#include <QDir>
#include <QFileDialog>

namespace {
const QString kExtension = QStringLiteral(".cgp");
} // namespace

CDlgProjectOpen::CDlgProjectOpen(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::CDlgProjectOpen>()),
      settings_(settings)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings_, IDD_DLG_PROJECT_OPEN);
    // A list reads its name from itself, never from its label.
    ui_->projects->setAccessibleName(ui_->nameLabel->text().remove(QLatin1Char('&')));
    ui_->information->setAccessibleName(ui_->infoLabel->text().remove(QLatin1Char('&')));
    ui_->information->setHeaderLabels(
        {settings_.LookupText(IDD_DLG_PROJECT_OPEN, QStringLiteral("Contents")),
         settings_.LookupText(IDD_DLG_PROJECT_OPEN, QStringLiteral("Value"))});
    ui_->information->header()->setStretchLastSection(true);
    ui_->information->setColumnWidth(0, 120);
    connect(ui_->browse, &QPushButton::clicked, this, &CDlgProjectOpen::browse);
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPause);
    connect(&typingPause_, &QTimer::timeout, this, &CDlgProjectOpen::listProjects);
    connect(ui_->locationPath, &QLineEdit::textEdited, this, &CDlgProjectOpen::locationEdited);
    connect(ui_->projects, &QListWidget::currentRowChanged, this, [this] {
        showInformation();
        emit projectChosen();
    });
    connect(ui_->projects, &QListWidget::itemActivated, this, &CDlgProjectOpen::projectActivated);
}

CDlgProjectOpen::~CDlgProjectOpen() = default;

void CDlgProjectOpen::SetLocation(const QString& folder)
{
    ui_->locationPath->setText(QDir::toNativeSeparators(folder));
    listProjects();
}

QString CDlgProjectOpen::Location() const
{
    QString path = QDir::fromNativeSeparators(ui_->locationPath->text().trimmed());
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString CDlgProjectOpen::ProjectName() const
{
    const QListWidgetItem* item = ui_->projects->currentItem();
    return item ? item->text().chopped(kExtension.size()) : QString();
}

void CDlgProjectOpen::locationEdited()
{
    // The packages listed are those of the folder typed so far no longer.
    if (ui_->projects->count() > 0) {
        ui_->projects->clear();
        showInformation();
        emit projectChosen();
    }
    typingPause_.start();
}

void CDlgProjectOpen::listProjects()
{
    typingPause_.stop();
    ui_->projects->clear();
    ui_->projects->addItems(PackageInformation::PackagesIn(Location()));
    if (ui_->projects->count() > 0)
        ui_->projects->setCurrentRow(0);
    showInformation();
    emit projectChosen();
}

void CDlgProjectOpen::showInformation()
{
    ui_->information->clear();
    const QString name = ProjectName();
    if (name.isEmpty())
        return;
    const QString folder = Location();
    const auto info = PackageInformation::Read(folder, name);
    const auto row = [this](const char* contents, const QString& value) {
        auto* item = new QTreeWidgetItem(ui_->information);
        item->setText(0, settings_.LookupText(IDD_DLG_PROJECT_OPEN, QString::fromLatin1(contents)));
        item->setText(1, value);
    };
    row("HMI Type", info ? info->hmiType : QString());
    row("Date", info ? info->date : QString());
    row("Project Size",
        PackageInformation::SizeText(folder + QLatin1Char('/') + name + kExtension));
    row("Programmer", info ? info->programmer : QString());
    row("PLC Driver", info ? info->plcType : QString());
}

void CDlgProjectOpen::browse()
{
    const QString title = settings_.LookupText(IDD_DLG_PROJECT_OPEN,
                                               QStringLiteral("Select the folder of the project"));
    const QString folder = QFileDialog::getExistingDirectory(this, title, Location());
    if (!folder.isEmpty())
        SetLocation(folder);
}
