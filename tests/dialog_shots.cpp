// Saves a picture of every transfer and setup dialog, in English or
// Chinese, for looking at them (not a test): dialog_shots <folder> [chs].
#include "TestSupport.h"
#include "base/LanguageSection.h"
#include "base/ProfileFile.h"
#include "project/ProtocolTables.h"
#include "ui/document/ProjectController.h"
#include "ui/app/QtTranslations.h"
#include "ui/project/DlgScreenFunKey.h"
#include "ui/screen/DlgBitmapManager.h"
#include "ui/widgets/RegisterPicker.h"
#include "ui/transfer/DlgPanel2Plc.h"
#include "ui/transfer/DlgPanelInfo.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui/transfer/DlgPassword.h"
#include "ui/transfer/DlgProgress.h"
#include "ui/transfer/DlgProtocol.h"
#include "ui/transfer/DlgTransfer.h"
#include "project/DeviceList.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTreeWidget>

#include "ui_DlgBitmapManager.h"
#include "ui_DlgPanelManager.h"

namespace {
void Shot(QWidget& w, const QString& path)
{
    w.show();
    w.adjustSize();
    QApplication::processEvents();
    w.grab().save(path);
    w.hide();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    const bool chs = argc > 2;
    QDir().mkpath(out);
    CTestProgramFolder f;
    const CAppSettings& s = f.App().settings;
    if (chs) {
        s.WriteSetting(QStringLiteral("Language"), QStringLiteral("1"));
        CProfileFile::WriteString(s.Paths().SettingsFile(), QStringLiteral("Language"),
                                  QStringLiteral("1"), QStringLiteral("chs"));
    }
    QtTranslations::Install(app, s.GetLanguageCode());
    CProjectController c(f.App());
    QDir().mkpath(f.Dir() + "/P");
    c.NewProject("demo", f.Dir() + "/P", "RU03",
                 QString::fromLatin1(ProtocolTables::kVardoVSequence));
    const QString suffix = chs ? QStringLiteral("-chs.png") : QStringLiteral("-en.png");

    TransferChoice choice;
    choice.port = QStringLiteral("/tmp/ttyRU03");
    choice.uploadPassword = QStringLiteral("52815281");
    {
        CDlgTransfer d(s, 23456, choice);
        Shot(d, out + "/transfer" + suffix);
    }
    {
        CDlgProgress d(s, f, s.LookupText(LS_MSG, QStringLiteral("Download")), nullptr);
        d.SetProgress(45);
        Shot(d, out + "/progress" + suffix);
    }
    {
        // A key that names no device yet: the Advanced page picks the first.
        CDlgScreenFunKey d(c, f.App().model.screens.front()->keys, 0,
                           [](QWidget*, int, RegisterRef&) { return false; });
        d.findChild<QRadioButton*>(QStringLiteral("radioAdvanced"))->setChecked(true);
        Shot(d, out + "/funkey-advanced" + suffix);
    }
    {
        CDlgPassword d(s, CDlgPassword::UploadWithStored, QStringLiteral("11112222"));
        Shot(d, out + "/password" + suffix);
    }
    {
        CDlgPanelInfo d(c, QString());
        Shot(d, out + "/panelinfo" + suffix);
    }
    {
        CPanelManager pm = f.App().model.panelManager;
        DeviceList::Add(pm.deviceInfo);
        CDlgPanelManager d(s, f, pm);
        Shot(d, out + "/panelmanager-config" + suffix);
        d.Fields().tree->setCurrentItem(d.PortItem());
        Shot(d, out + "/panelmanager-general" + suffix);
        d.Fields().tree->setCurrentItem(d.DeviceItem(1));
        Shot(d, out + "/panelmanager-device" + suffix);
    }
    {
        CDlgProtocol d(s, QString::fromLatin1(ProtocolTables::kVardoVSequence),
                       DeviceList::ProtocolDevice(f.App().model.Devices()));
        Shot(d, out + "/protocol" + suffix);
    }
    {
        CDlgPanel2Plc d(s, f, f.App().model, f.App().model.plcAndPanel);
        Shot(d, out + "/panel2plc" + suffix);
    }
    {
        CDlgRegister d(s, f, f.App().model, f.App().model.plcAndPanel.panelToPlc,
                       RegisterRef::KindWord);
        Shot(d, out + "/register" + suffix);
    }
    {
        // The system library as installed beside the program.
        const QDir library(QStringLiteral(QV_BIN_DIR "/BMP_Files"));
        for (const QString& category : library.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDir().mkpath(f.Dir() + "/BMP_Files/" + category);
            for (const QString& file : QDir(library.filePath(category)).entryList(QDir::Files))
                QFile::copy(library.filePath(category + "/" + file),
                            f.Dir() + "/BMP_Files/" + category + "/" + file);
        }
        CDlgBitmapManager d(c, QStringLiteral("BMP_Files\\Arrow"),
                            QStringLiteral("arrow_16_16_RIGHT.bmp"));
        d.resize(760, 520);
        d.show();
        QApplication::processEvents();
        d.grab().save(out + "/bitmapmanager" + suffix);
    }
    return 0;
}
