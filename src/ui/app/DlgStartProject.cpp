#include "DlgStartProject.h"
#include "ui_DlgStartProject.h"
#include "DlgProjectOpen.h"
#include "DlgProjectOpenPanel.h"
#include "StartModePictures.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "base/SafePath.h"
#include "base/TextCodec936.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui/widgets/DocumentOpener.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <utility>

namespace {
constexpr int kPictureSize = 64;
constexpr int kModeIconSize = 40;
} // namespace

CDlgStartProject::CDlgStartProject(CProjectController& controller,
                                   const StartProjectChoice& initial, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CDlgStartProject>()),
      controller_(controller),
      settings_(std::as_const(controller).App().settings),
      result_(initial)
{
    ui_->setupUi(this);
    newPage_ = new CDlgProjectNew(settings_, ui_->pages);
    openPage_ = new CDlgProjectOpen(settings_, ui_->pages);
    panelPage_ = new CDlgProjectOpenPanel(settings_, ui_->pages);
    ui_->pages->addWidget(newPage_);
    ui_->pages->addWidget(openPage_);
    ui_->pages->addWidget(panelPage_);
    DialogTexts::Apply(this, settings_, IDD_DLG_START_PROJECT);

    QFont heading = ui_->heading->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    ui_->heading->setFont(heading);

    auto* modes = new QButtonGroup(this);
    const QList<QToolButton*> buttons{ui_->modeNew, ui_->modeDisk, ui_->modePanel};
    for (int mode = 0; mode < buttons.size(); ++mode) {
        buttons[mode]->setIcon(StartModePictures::Picture(mode, kModeIconSize * 2));
        buttons[mode]->setIconSize(QSize(kModeIconSize, kModeIconSize));
        modes->addButton(buttons[mode], mode);
    }
    connect(modes, &QButtonGroup::idClicked, this, &CDlgStartProject::showMode);

    newPage_->SetSavePath(initial.savePath);
    newPage_->SetTypes(initial.hmiType, initial.plcType);
    openPage_->SetLocation(initial.locationPath);
    connect(openPage_, &CDlgProjectOpen::projectChosen, this, &CDlgStartProject::updateOk);
    connect(openPage_, &CDlgProjectOpen::projectActivated, this, &CDlgStartProject::accept);

    ui_->alwaysShow->setChecked(settings_.GetSettingInt(QStringLiteral("StartupStepDlg")) == 1);
    connect(ui_->alwaysShow, &QCheckBox::clicked, this,
            [this](bool checked) { controller_.SetShowStartDialog(checked); });

    const QString url = SupportUrl();
    ui_->supportLink->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(url.toHtmlEscaped(), ui_->supportLink->text().toHtmlEscaped()));
    ui_->supportLink->setToolTip(url);
    connect(ui_->supportLink, &QLabel::linkActivated, this,
            [](const QString& link) { DocumentOpener::Open(QUrl::fromUserInput(link)); });

    connect(ui_->okButton, &QPushButton::clicked, this, &CDlgStartProject::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CDlgStartProject::reject);
    showMode(initial.mode == StartProjectChoice::OpenFromDisk ? StartProjectChoice::OpenFromDisk
                                                              : StartProjectChoice::NewProject);
    if (Mode() == StartProjectChoice::NewProject)
        newPage_->FocusName();
}

CDlgStartProject::~CDlgStartProject() = default;

QString CDlgStartProject::BuiltInSupportUrl()
{
    return QStringLiteral("https://support.corvel.example/");
}

QString CDlgStartProject::SupportUrl() const
{
    const QString url = settings_.GetSettingString(QStringLiteral("SupportURL")).trimmed();
    return url.isEmpty() ? BuiltInSupportUrl() : url;
}

int CDlgStartProject::Mode() const
{
    return ui_->pages->currentIndex();
}

void CDlgStartProject::SetMode(int mode)
{
    showMode(mode);
}

void CDlgStartProject::SetProtocolSetup(CDlgProjectNew::ProtocolSetup setup)
{
    newPage_->SetProtocolSetup(std::move(setup));
}

void CDlgStartProject::showMode(int mode)
{
    if (mode < 0 || mode > 2)
        mode = 0;
    const QList<QToolButton*> buttons{ui_->modeNew, ui_->modeDisk, ui_->modePanel};
    buttons[mode]->setChecked(true);
    ui_->pages->setCurrentIndex(mode);
    ui_->picture->setPixmap(StartModePictures::Picture(mode, kPictureSize));
    updateOk();
}

void CDlgStartProject::updateOk()
{
    ui_->okButton->setEnabled(Mode() != StartProjectChoice::OpenFromDisk
                              || !openPage_->ProjectName().isEmpty());
}

bool CDlgStartProject::takeNewProject()
{
    const QString name =
        newPage_->ProjectName().isEmpty() ? result_.projectName : newPage_->ProjectName();
    const QString folder = newPage_->SavePath().isEmpty() ? result_.savePath : newPage_->SavePath();
    const QString error = settings_.LookupText(LS_MSG, QStringLiteral("Error"));
    // The name is the package's file name, the project folder's name and
    // Prj.ini's Name (code page 936).
    if (!IsPlainFolderName(name) || TextCodec936::Decode(TextCodec936::Encode(name)) != name) {
        controller_.Messages().ShowError(
            QStringLiteral("\"%1\" ").arg(name)
                + settings_.LookupText(LS_MSG, QStringLiteral("cannot be a project name")),
            error);
        return false;
    }
    const QString package = folder + QLatin1Char('/') + name + QStringLiteral(".cgp");
    if (QFileInfo::exists(package)) {
        const MessageAnswer answer = controller_.Messages().Ask(
            QDir::toNativeSeparators(package) + QLatin1Char('\n')
                + settings_.LookupText(
                    LS_MSG,
                    QStringLiteral("already exists. Replace it when the project is saved?")),
            settings_.LookupText(LS_MSG, QStringLiteral("Warning")), MessageButtons::YesNo,
            MessageAnswer::No);
        if (answer != MessageAnswer::Yes)
            return false;
    }
    result_.projectName = name;
    result_.savePath = folder;
    result_.hmiType = newPage_->HmiType();
    result_.plcType = newPage_->PlcType();
    if (newPage_->Protocol())
        result_.protocol = newPage_->Protocol();
    return true;
}

void CDlgStartProject::accept()
{
    const int mode = Mode();
    if (mode == StartProjectChoice::OpenFromDisk) {
        if (openPage_->ProjectName().isEmpty())
            return;
        result_.locationPath = openPage_->Location();
        result_.projectName = openPage_->ProjectName();
    } else {
        if (!takeNewProject())
            return;
        const QString port = panelPage_->Port();
        if (mode == StartProjectChoice::ReadFromPanel && !port.isEmpty())
            controller_.RememberPort(port);
    }
    result_.mode = mode;
    QDialog::accept();
}
