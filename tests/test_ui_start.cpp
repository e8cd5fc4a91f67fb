// Starting a project: the defaults of the Start Project command, the start
// dialog's pages and result, the command's flow through the controller, the
// command-line file, the start-up sequence and the About box.
#include "TestSupport.h"
#include "app/PackageInformation.h"
#include "app/StartProjectDefaults.h"
#include "app/TessanApp.h"
#include "base/ProfileFile.h"
#include "project/ProtocolTables.h"
#include "ui/app/DlgAbout.h"
#include "ui/app/DlgProjectNew.h"
#include "ui/app/DlgProjectOpen.h"
#include "ui/app/DlgProjectOpenPanel.h"
#include "ui/app/DlgStartProject.h"
#include "ui/document/ProjectController.h"
#include "ui/app/QtTranslations.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/StartupSequence.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kCantOpen = QStringLiteral("Error GUI-004 : This file can't open");

// A saved package <folder>/<name>.cgp made by the editor's own save.
void makePackage(const QString& folder, const QString& name, const QString& programmer = QString())
{
    CTestProgramFolder maker;
    CProjectController c(maker.App());
    QDir().mkpath(folder);
    QVERIFY(c.NewProject(name, folder, "RU03", kVSeq));
    maker.App().model.info.programmer = programmer;
    QVERIFY(c.SaveProject());
}

template <class W>
W* child(QWidget* parent, const char* name)
{
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// Types the text as the user would; characters beyond ASCII, which key
// events cannot carry, are put in as an input method would.
void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            edit->insert(QString(c));
            emit edit->textEdited(edit->text());
        }
    }
}

// Alt+letter keys that two visible controls of the window share.
QStringList mnemonicClashes(QWidget* window)
{
    QMap<QChar, QString> seen;
    QStringList clashes;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size())
            continue;
        const QChar key = text[amp + 1].toUpper();
        if (seen.contains(key))
            clashes << seen[key] + " / " + text;
        else
            seen[key] = text;
    }
    return clashes;
}

// The dialog on the screen, as the user sees it.
void showDialog(QWidget* dlg)
{
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg));
}

} // namespace

class TestUiStart : public QObject
{
    Q_OBJECT
private slots:
    void defaultsOfTheCommand()
    {
        CTestProgramFolder f;
        const QString projectDir = f.App().settings.Paths().ProjectDir();
        QCOMPARE(StartProjectDefaults::FirstFreeProjectName(projectDir), QString("NewProject1"));
        WriteFile(projectDir + "/NewProject1.cgp", "x");
        WriteFile(projectDir + "/NewProject2.cgp", "x");
        WriteFile(projectDir + "/NewProject4.cgp", "x");
        QCOMPARE(StartProjectDefaults::FirstFreeProjectName(projectDir), QString("NewProject3"));
        // A folder that does not exist has every name free.
        QCOMPARE(StartProjectDefaults::FirstFreeProjectName(f.Dir() + "/none"),
                 QString("NewProject1"));

        StartProjectChoice c = StartProjectDefaults::Initial(f.App());
        QCOMPARE(c.mode, int(StartProjectChoice::NewProject));
        QCOMPARE(c.savePath, f.Dir() + "/Project");
        QCOMPARE(c.projectName, QString("NewProject3"));
        QCOMPARE(c.hmiType, QString("RU03"));
        QCOMPARE(c.plcType, kVSeq);
        QCOMPARE(c.locationPath, f.Dir() + "/Project");
        // Once a project is open, the open page starts in its folder.
        CProjectController controller(f.App());
        QVERIFY(controller.NewProject("Line1", f.Dir() + "/Work", "RU03", kVSeq));
        QCOMPARE(StartProjectDefaults::Initial(f.App()).locationPath, f.Dir() + "/Work");
        QCOMPARE(StartProjectDefaults::Initial(f.App()).savePath, f.Dir() + "/Project");
    }

    void packagesAndTheirInformation()
    {
        CTestProgramFolder f;
        const QString folder = f.Dir() + "/Lib";
        makePackage(folder, "Line1", "Ada");
        makePackage(folder, "Pump", "Lin");
        QDir().mkpath(folder + "/Folder.cgp"); // a folder, not a package
        WriteFile(folder + "/notes.txt", "x");
        WriteFile(folder + "/Broken.cgp", "not a zip");
        QCOMPARE(PackageInformation::PackagesIn(folder),
                 QStringList({"Broken.cgp", "Line1.cgp", "Pump.cgp"}));
        QCOMPARE(PackageInformation::PackagesIn(f.Dir() + "/none"), QStringList());

        const auto info = PackageInformation::Read(f.App().settings.Paths(), folder, "Line1");
        QVERIFY(info);
        QCOMPARE(info->name, QString("Line1"));
        QCOMPARE(info->programmer, QString("Ada"));
        QCOMPARE(info->hmiType, QString("RU03"));
        QCOMPARE(info->plcType, kVSeq);
        QVERIFY(!info->date.isEmpty());
        QVERIFY(!PackageInformation::Read(f.App().settings.Paths(), folder, "Broken"));
        // Reading leaves no backup beside the package and no project folder behind.
        QVERIFY(!QFile::exists(folder + "/Line1.cgp.bak"));
        QVERIFY(QDir(f.App().settings.Paths().TempProjectDir())
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                    .isEmpty());
        const qint64 size = QFileInfo(folder + "/Line1.cgp").size();
        QCOMPARE(PackageInformation::SizeText(folder + "/Line1.cgp"),
                 QString("%1 Bytes").arg(size));
    }

    void newPageProposesTheFirstFreeName()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        const QString projectDir = f.App().settings.Paths().ProjectDir();
        WriteFile(projectDir + "/NewProject1.cgp", "x");
        WriteFile(projectDir + "/NewProject2.cgp", "x");
        CDlgStartProject dlg(c, StartProjectDefaults::Initial(f.App()));
        showDialog(&dlg);
        QCOMPARE(dlg.Mode(), int(StartProjectChoice::NewProject));
        auto* name = child<QLineEdit>(dlg.NewPage(), "projectName");
        auto* path = child<QLineEdit>(dlg.NewPage(), "savePath");
        QCOMPARE(name->text(), QString("NewProject3"));
        // The proposal is ready to be typed over.
        QCOMPARE(QApplication::focusWidget(), name);
        QCOMPARE(name->selectedText(), QString("NewProject3"));
        QCOMPARE(QDir::fromNativeSeparators(path->text()), projectDir);
        QCOMPARE(child<QComboBox>(dlg.NewPage(), "hmiType")->currentText(), QString("RU03"));
        QCOMPARE(child<QComboBox>(dlg.NewPage(), "plcType")->currentText(), kVSeq);
        // No protocol dialog yet: its button is off until one is given.
        auto* protocol = child<QPushButton>(dlg.NewPage(), "protocolSetup");
        QVERIFY(!protocol->isEnabled());
        dlg.SetProtocolSetup([](QWidget*, CDeviceInfo* settings) {
            settings->baudRate = 16384;
            return true;
        });
        QVERIFY(protocol->isEnabled());
        QTest::mouseClick(protocol, Qt::LeftButton);

        // Another folder: the proposal follows it while the name is the proposal.
        WriteFile(f.Dir() + "/Other/NewProject1.cgp", "x");
        typeInto(path, f.Dir() + "/Other");
        QCOMPARE(name->text(), QString("NewProject2"));
        // A name of the user's own stays.
        typeInto(name, "Line 7");
        typeInto(path, f.Dir() + "/Empty");
        QCOMPARE(name->text(), QString("Line 7"));

        QTest::mouseClick(child<QPushButton>(&dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const StartProjectChoice& r = dlg.Result();
        QCOMPARE(r.mode, int(StartProjectChoice::NewProject));
        QCOMPARE(r.projectName, QString("Line 7"));
        QCOMPARE(r.savePath, f.Dir() + "/Empty");
        QCOMPARE(r.hmiType, QString("RU03"));
        QCOMPARE(r.plcType, kVSeq);
        QVERIFY(r.protocol);
        QCOMPARE(r.protocol->baudRate, 16384);
    }

    void newPageRefusesWhatCannotBeSaved()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        StartProjectChoice initial = StartProjectDefaults::Initial(f.App());
        CDlgStartProject dlg(c, initial);
        showDialog(&dlg);
        auto* name = child<QLineEdit>(dlg.NewPage(), "projectName");
        auto* ok = child<QPushButton>(&dlg, "okButton");

        // A name with a separator, and one that Prj.ini's code page cannot hold.
        for (const QString& bad :
             {QString("a/b"), QString(".."), QString::fromUtf8("Pump \xF0\x9F\x98\x80")}) {
            f.messages.clear();
            typeInto(name, bad);
            QTest::mouseClick(ok, Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(f.messages.size(), 1);
            QCOMPARE(f.kinds.last(), MessageKind::Error);
            QVERIFY(f.messages.last().first.endsWith("cannot be a project name"));
        }

        // A package of that name exists: only Yes goes on.
        makePackage(f.Dir() + "/Project", "Line1");
        typeInto(name, "Line1");
        f.answers = {MessageAnswer::No};
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(f.messages.last().first.contains("already exists"));
        f.answers = {MessageAnswer::Yes};
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Result().projectName, QString("Line1"));

        // Empty fields leave the values the dialog began with.
        CDlgStartProject again(c, initial);
        typeInto(child<QLineEdit>(again.NewPage(), "projectName"), "");
        typeInto(child<QLineEdit>(again.NewPage(), "savePath"), "");
        again.accept();
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(again.Result().projectName, initial.projectName);
        QCOMPARE(again.Result().savePath, initial.savePath);
    }

    void openPageListsTheFolder()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        const QString folder = f.Dir() + "/Lib";
        makePackage(folder, "Line1", "Ada");
        makePackage(folder, "Pump", "Lin");
        QDir().mkpath(folder + "/Folder.cgp");
        QDir().mkpath(f.Dir() + "/Empty");

        StartProjectChoice initial = StartProjectDefaults::Initial(f.App());
        initial.locationPath = f.Dir() + "/Empty";
        CDlgStartProject dlg(c, initial);
        showDialog(&dlg);
        QTest::mouseClick(child<QToolButton>(&dlg, "modeDisk"), Qt::LeftButton);
        QCOMPARE(dlg.Mode(), int(StartProjectChoice::OpenFromDisk));
        auto* projects = child<QListWidget>(dlg.OpenPage(), "projects");
        auto* information = child<QTreeWidget>(dlg.OpenPage(), "information");
        auto* ok = child<QPushButton>(&dlg, "okButton");
        // An empty folder: nothing listed, nothing shown, nothing to open.
        QCOMPARE(projects->count(), 0);
        QCOMPARE(information->topLevelItemCount(), 0);
        QVERIFY(!ok->isEnabled());

        typeInto(child<QLineEdit>(dlg.OpenPage(), "locationPath"), folder);
        QCOMPARE(projects->count(), 2);
        QCOMPARE(projects->item(0)->text(), QString("Line1.cgp"));
        QCOMPARE(projects->item(1)->text(), QString("Pump.cgp"));
        QVERIFY(ok->isEnabled());

        projects->setCurrentRow(1);
        QCOMPARE(information->topLevelItemCount(), 5);
        QStringList rows, values;
        for (int i = 0; i < 5; ++i) {
            rows << information->topLevelItem(i)->text(0);
            values << information->topLevelItem(i)->text(1);
        }
        QCOMPARE(rows,
                 QStringList({"HMI Type", "Date", "Project Size", "Programmer", "PLC Driver"}));
        QCOMPARE(values[0], QString("RU03"));
        QVERIFY(!values[1].isEmpty());
        QCOMPARE(values[2], QString("%1 Bytes").arg(QFileInfo(folder + "/Pump.cgp").size()));
        QCOMPARE(values[3], QString("Lin"));
        QCOMPARE(values[4], kVSeq);

        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Result().mode, int(StartProjectChoice::OpenFromDisk));
        QCOMPARE(dlg.Result().locationPath, folder);
        QCOMPARE(dlg.Result().projectName, QString("Pump"));
    }

    void panelPageKeepsThePort()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        CDlgStartProject dlg(c, StartProjectDefaults::Initial(f.App()));
        showDialog(&dlg);
        QTest::mouseClick(child<QToolButton>(&dlg, "modePanel"), Qt::LeftButton);
        QCOMPARE(dlg.Mode(), int(StartProjectChoice::ReadFromPanel));
        auto* ports = child<QComboBox>(dlg.PanelPage(), "ports");
        QVERIFY(ports->isEditable());
        ports->setFocus();
        ports->lineEdit()->selectAll();
        QTest::keyClicks(ports, "/dev/pts/7");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        // A new project, as on the first page, and the port for the transfer.
        QCOMPARE(dlg.Result().mode, int(StartProjectChoice::ReadFromPanel));
        QCOMPARE(dlg.Result().projectName, QString("NewProject1"));
        QCOMPARE(f.App().settings.GetSettingString("COMPORT"), QString("/dev/pts/7"));
        // The next dialog offers it again.
        CDlgStartProject next(c, StartProjectDefaults::Initial(f.App()));
        QCOMPARE(child<QComboBox>(next.PanelPage(), "ports")->currentText(), QString("/dev/pts/7"));
    }

    void checkBoxWritesEachClick()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        const QString ini = f.App().settings.Paths().SettingsFile();
        CDlgStartProject dlg(c, StartProjectDefaults::Initial(f.App()));
        showDialog(&dlg);
        auto* box = child<QCheckBox>(&dlg, "alwaysShow");
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(CProfileFile::ReadString(ini, "App", "StartupStepDlg", QString()), QString("1"));
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(CProfileFile::ReadString(ini, "App", "StartupStepDlg", QString()), QString("0"));
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(CProfileFile::ReadString(ini, "App", "StartupStepDlg", QString()), QString("1"));
        // The next dialog shows the stored state; Cancel takes nothing back.
        dlg.reject();
        CDlgStartProject next(c, StartProjectDefaults::Initial(f.App()));
        QVERIFY(child<QCheckBox>(&next, "alwaysShow")->isChecked());

        // The support link: App/SupportURL, else the built-in address.
        QCOMPARE(next.SupportUrl(), CDlgStartProject::BuiltInSupportUrl());
        f.App().settings.WriteSetting("SupportURL", "https://example.org/help");
        QCOMPARE(next.SupportUrl(), QString("https://example.org/help"));
    }

    void everyFieldHasItsOwnKey()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        for (const char* language : {"en", "chs"}) {
            CProfileFile::WriteString(f.App().settings.Paths().SettingsFile(), "App", "Language",
                                      "1");
            CProfileFile::WriteString(f.App().settings.Paths().SettingsFile(), "Language", "1",
                                      language);
            CDlgStartProject dlg(c, StartProjectDefaults::Initial(f.App()));
            for (int mode = 0; mode < 3; ++mode) {
                dlg.SetMode(mode);
                const QStringList clashes = mnemonicClashes(&dlg);
                QVERIFY2(clashes.isEmpty(),
                         qPrintable(QString(language) + ": " + clashes.join(", ")));
            }
            // Every labelled field is named by its label.
            auto* name = child<QLineEdit>(dlg.NewPage(), "projectName");
            QCOMPARE(child<QLabel>(dlg.NewPage(), "nameLabel")->buddy(), name);
        }
    }

    void dialogTextsInChinese()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        CProfileFile::WriteString(f.App().settings.Paths().SettingsFile(), "App", "Language", "1");
        CProfileFile::WriteString(f.App().settings.Paths().SettingsFile(), "Language", "1", "chs");
        CDlgStartProject dlg(c, StartProjectDefaults::Initial(f.App()));
        QCOMPARE(dlg.windowTitle(), QString::fromUtf8("开始工程"));
        QCOMPARE(child<QToolButton>(&dlg, "modeNew")->text(), QString::fromUtf8("新建工程(&W)"));
        QCOMPARE(child<QPushButton>(dlg.NewPage(), "browse")->text(),
                 QString::fromUtf8("浏览(&B)..."));
        QCOMPARE(child<QTreeWidget>(dlg.OpenPage(), "information")->headerItem()->text(0),
                 QString::fromUtf8("内容"));

        CDlgAbout about(f.App().settings, VersionNumber{1, 0, 0, 4});
        QCOMPARE(about.windowTitle(), QString::fromUtf8("关于 Corvel"));
        QCOMPARE(child<QLabel>(&about, "version")->text(), QString::fromUtf8("版本: V1.0.0.4"));
        QCOMPARE(about.font().family(), QString::fromUtf8("WenQuanYi Zen Hei"));
    }

    void aboutBox()
    {
        CTestProgramFolder f;
        CDlgAbout about(f.App().settings, VersionNumber{1, 0, 0, 4});
        QCOMPARE(about.windowTitle(), QString("About Corvel"));
        QCOMPARE(child<QLabel>(&about, "product")->text(), QString("Corvel"));
        QCOMPARE(child<QLabel>(&about, "version")->text(), QString("Version: V1.0.0.4"));
        // Without a language file the built-in texts and font stay.
        QFile::remove(f.Dir() + "/QV_Str.en");
        CDlgAbout bare(f.App().settings, VersionNumber{2, 1, 0, 9});
        QCOMPARE(child<QLabel>(&bare, "version")->text(), QString("Version: V2.1.0.9"));
        QCOMPARE(bare.windowTitle(), QString("About Corvel"));
        QCOMPARE(bare.font(), QDialog().font());
    }

    void startProjectCommand()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        makePackage(f.Dir() + "/Lib", "Line1", "Ada");

        StartProjectChoice choice = StartProjectDefaults::Initial(f.App());
        QVERIFY(c.StartProject(choice));
        QCOMPARE(c.ProjectName(), QString("NewProject1"));
        QCOMPARE(c.ProjectLocation(), f.Dir() + "/Project");
        // The editor goes on with New Screen: the project starts without one.
        QCOMPARE(int(f.App().model.screens.size()), 0);
        QCOMPARE(f.App().model.info.plcType, kVSeq);

        // The new project counts as modified: Cancel keeps it.
        StartProjectChoice open;
        open.mode = StartProjectChoice::OpenFromDisk;
        open.locationPath = f.Dir() + "/Lib";
        open.projectName = "Line1";
        f.answers = {MessageAnswer::Cancel};
        QVERIFY(!c.StartProject(open));
        QCOMPARE(f.messages.last().first, QString("Project data has been modified, save it?"));
        QCOMPARE(c.ProjectName(), QString("NewProject1"));
        // No: the package opens.
        f.answers = {MessageAnswer::No};
        QVERIFY(c.StartProject(open));
        QCOMPARE(c.ProjectName(), QString("Line1"));
        QCOMPARE(f.App().model.info.programmer, QString("Ada"));
        QVERIFY(!c.IsModified());

        // A package that cannot open: GUI-004, and the open project stays.
        WriteFile(f.Dir() + "/Lib/Broken.cgp", "not a zip");
        open.projectName = "Broken";
        QVERIFY(!c.StartProject(open));
        QCOMPARE(f.messages.last(), qMakePair(kCantOpen, QString("Error")));
        QCOMPARE(c.ProjectName(), QString("Line1"));
        QVERIFY(c.HasProject());

        // Modes 0 and 2 make a new project with the protocol settings given.
        StartProjectChoice panel = choice;
        panel.mode = StartProjectChoice::ReadFromPanel;
        panel.projectName = "Press";
        CDeviceInfo protocol;
        protocol.baudRate = 8192;
        panel.protocol = protocol;
        QVERIFY(c.StartProject(panel));
        QCOMPARE(c.ProjectName(), QString("Press"));
        QCOMPARE(f.App().model.Devices().baudRate, 8192);
    }

    void commandLineFile()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        const QString folder = f.Dir() + "/Work";
        makePackage(folder, "Line 1");

        // Quoted as the association writes it, with "\" as the separator.
        QVERIFY(c.OpenCommandLineFile("\"" + folder + "\\Line 1.cgp\""));
        QCOMPARE(c.ProjectName(), QString("Line 1"));
        QCOMPARE(c.ProjectLocation(), folder);
        // Plain, with "/", as the desktop hands it over.
        c.CloseProject();
        QVERIFY(c.OpenCommandLineFile(folder + "/Line 1.cgp"));
        QCOMPARE(c.ProjectName(), QString("Line 1"));

        // No separator, or no ".": GUI-004 at once, no question asked.
        f.App().ForgetSaved();
        for (const QString& bad :
             {QString("\"Line 1.cgp\""), QString("\"") + folder + "/Line 1\""}) {
            f.messages.clear();
            QVERIFY(!c.OpenCommandLineFile(bad));
            QCOMPARE(f.messages.size(), 1);
            QCOMPARE(f.messages.last(), qMakePair(kCantOpen, QString("Error")));
        }
        // A package that is not there: the save question, then GUI-004.
        f.messages.clear();
        f.answers = {MessageAnswer::No};
        QVERIFY(!c.OpenCommandLineFile(folder + "/Missing.cgp"));
        QCOMPARE(f.MessageTexts(),
                 QStringList({"Project data has been modified, save it?", kCantOpen}));
        QCOMPARE(c.ProjectName(), QString("Line 1"));
    }

    void startUpSequence()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        CSingleInstance instance(f.Dir() + "/socket");
        QWidget window;

        // Without a file and without StartupStepDlg = 1: nothing.
        {
            CStartupSequence s(c, instance);
            int started = 0;
            s.startProject = [&] { ++started; };
            s.AfterMainWindow(&window, QString());
            QCoreApplication::processEvents();
            QCOMPARE(started, 0);
        }
        f.App().settings.WriteSetting("StartupStepDlg", "1");
        {
            CStartupSequence s(c, instance);
            int started = 0;
            QStringList opened;
            s.startProject = [&] { ++started; };
            s.openFile = [&](const QString& file) { opened << file; };
            s.AfterMainWindow(&window, QString());
            QTRY_COMPARE(started, 1);
            QVERIFY(opened.isEmpty());
        }
        {
            // A file argument wins over the start dialog.
            CStartupSequence s(c, instance);
            int started = 0;
            QStringList opened;
            s.startProject = [&] { ++started; };
            s.openFile = [&](const QString& file) { opened << file; };
            s.AfterMainWindow(&window, "/p/Line1.cgp");
            QTRY_COMPARE(opened, QStringList({"/p/Line1.cgp"}));
            QCoreApplication::processEvents();
            QCOMPARE(started, 0);

            // A file handed over while a modal dialog is open waits for it to close.
            QDialog modal(&window);
            modal.setModal(true);
            modal.show();
            QTRY_VERIFY(QApplication::activeModalWidget());
            s.OpenRequested("/p/Pump.cgp");
            QCoreApplication::processEvents(); // the request comes round once and waits
            QCOMPARE(opened.size(), 1);
            modal.close();
            QTRY_COMPARE(opened, QStringList({"/p/Line1.cgp", "/p/Pump.cgp"}));
        }
        QCOMPARE(CStartupSequence::FileArgument({"qv"}, "/home/me"), QString());
        QCOMPARE(CStartupSequence::FileArgument({"qv", "P/Line", "1.cgp"}, "/home/me"),
                 QString("/home/me/P/Line 1.cgp"));
        QCOMPARE(CStartupSequence::FileArgument({"qv", "\"D:\\W\\L.cgp\""}, "/home/me"),
                 QString("\"D:\\W\\L.cgp\""));
    }

    // Runs last: the Chinese catalogue stays installed in this process.
    void qtTextsFollowTheLanguage()
    {
        QCOMPARE(QtTranslations::LocaleOf("chs"), QString("zh_CN"));
        QCOMPARE(QtTranslations::LocaleOf("en"), QString());
        QVERIFY(!QtTranslations::Install(*qApp, "en"));
        QDialogButtonBox english(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(english.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Cancel"));
        QVERIFY(QtTranslations::Install(*qApp, "chs"));
        QDialogButtonBox chinese(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(chinese.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("取消"));
    }
};

QTEST_MAIN(TestUiStart)
#include "test_ui_start.moc"
