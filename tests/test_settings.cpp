#include "TestSupport.h"
#include "base/CommandLinePath.h"
#include "base/InstalledData.h"
#include "base/LanguageSection.h"
#include "base/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace TestSupport;

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void profileLookupIgnoresCaseAndFallsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/a.ini";
        QCOMPARE(CProfileFile::ReadString(path, "App", "Key", "def"), QString("def"));
        QVERIFY(!QFile::exists(path)); // a read never creates the file
        WriteFile(
            path,
            "; comment\r\n[App]\r\n  KEY = some value \r\nNum=-12abc\r\n[Other]\r\nKey=x\r\n");
        QCOMPARE(CProfileFile::ReadString(path, "app", "key"), QString("some value"));
        QCOMPARE(CProfileFile::ReadString(path, "OTHER", "KEY"), QString("x"));
        QCOMPARE(CProfileFile::ReadString(path, "App", "Missing", "d"), QString("d"));
        QCOMPARE(CProfileFile::ReadString(path, "Nope", "Key", "d"), QString("d"));
        QCOMPARE(CProfileFile::ReadInt(path, "App", "Num", 7), -12);
        QCOMPARE(CProfileFile::ReadInt(path, "App", "Missing", 7), 7);
    }

    void profileWriteKeepsEveryOtherLine()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/a.ini";
        const QByteArray before =
            "; keep me\r\n[App]\r\nA=1\r\nZoom=3\r\n\r\n[Debug]\r\nCompilerData=0\r\n";
        WriteFile(path, before);
        QVERIFY(CProfileFile::WriteString(path, "app", "ZOOM", "5"));
        QCOMPARE(
            ReadFile(path),
            QByteArray("; keep me\r\n[App]\r\nA=1\r\nZOOM=5\r\n\r\n[Debug]\r\nCompilerData=0\r\n"));
        QVERIFY(CProfileFile::WriteString(path, "App", "New", "v"));
        QVERIFY(CProfileFile::WriteString(path, "Third", "K", "w"));
        QCOMPARE(ReadFile(path),
                 QByteArray("; keep me\r\n[App]\r\nA=1\r\nZOOM=5\r\nNew=v\r\n\r\n[Debug]\r\n"
                            "CompilerData=0\r\n[Third]\r\nK=w\r\n"));
        // A new file is UTF-8 with the one entry.
        const QString fresh = dir.path() + "/new.ini";
        QVERIFY(CProfileFile::WriteString(fresh, "App", "COMPORT", "ttyUSB0"));
        QCOMPARE(ReadFile(fresh), QByteArray("[App]\r\nCOMPORT=ttyUSB0\r\n"));
    }

    void profileReadsAndWritesUtf16InItsOwnEncoding()
    {
        QTemporaryDir dir;
        const QString withBom = dir.path() + "/bom.ini";
        const QString noBom = dir.path() + "/nobom.ini";
        const QByteArray body = Utf16(QString::fromUtf8("[MSG]\r\nWarning=警告\r\n"));
        WriteFile(withBom, QByteArray("\xFF\xFE", 2) + body);
        WriteFile(noBom, body);
        QCOMPARE(CProfileFile::ReadString(withBom, "MSG", "Warning"), QString::fromUtf8("警告"));
        QCOMPARE(CProfileFile::ReadString(noBom, "msg", "warning"), QString::fromUtf8("警告"));
        QVERIFY(CProfileFile::WriteString(withBom, "MSG", "Error", "E"));
        QVERIFY(CProfileFile::WriteString(noBom, "MSG", "Error", "E"));
        const QByteArray after = Utf16(QString::fromUtf8("[MSG]\r\nWarning=警告\r\nError=E\r\n"));
        QCOMPARE(ReadFile(withBom), QByteArray("\xFF\xFE", 2) + after);
        QCOMPARE(ReadFile(noBom), after);
    }

    void profileWriteKeepsTheBytesOfCodePage936Files()
    {
        // A stray byte makes the file code page 936; the lines a write does
        // not touch keep their bytes, the stray one included.
        const QByteArray gbk = "[MSG]\r\nWarning=\xBE\xAF\xB8\xE6\r\nOdd=a\xFF"
                               "b\r\n";
        const QByteArray written = CProfileFile::WithValue(gbk, "MSG", "Error", "E");
        QCOMPARE(written, gbk + "Error=E\r\n");
        QCOMPARE(CProfileFile::ReadStringFromBytes(written, "MSG", "Warning"),
                 QString::fromUtf8("警告"));

        // The stray byte was what made it code page 936: with it replaced the
        // bytes would read as UTF-8, and "[\xE4\xB8\xAD]" as a section of its
        // own. What was meant is written in a way that reads back so.
        const QByteArray flips = "[App]\r\nZoom=\xFF\r\n[\xE4\xB8\xAD]\r\nK=v\r\n";
        QCOMPARE(CProfileFile::ReadStringFromBytes(flips, "App", "K"), QString("v"));
        const QByteArray after = CProfileFile::WithValue(flips, "App", "Zoom", "150");
        QCOMPARE(CProfileFile::ReadStringFromBytes(after, "App", "Zoom"), QString("150"));
        QCOMPARE(CProfileFile::ReadStringFromBytes(after, "App", "K"), QString("v"));

        // A section line whose closing bracket the code page takes as the
        // second byte of a character is no section, before and after.
        const QByteArray eaten = "[App]\r\nCg\n\n\r\n[e\xFF\xEF\xBB\xBF]";
        const QByteArray zoom = CProfileFile::WithValue(eaten, "App", "Zoom", "150");
        QCOMPARE(CProfileFile::ReadStringFromBytes(zoom, "App", "Zoom"), QString("150"));
        QVERIFY(zoom.contains("[e\xFF\xEF\xBB\xBF]\r\n"));
    }

    void settingsFileAndLanguageFiles()
    {
        CTestProgramFolder folder;
        const CAppSettings& s = folder.App().settings;
        // Nothing written yet: defaults, and no settings file appears.
        QCOMPARE(s.GetSettingInt("StartupStepDlg"), 0);
        QCOMPARE(s.GetSettingString("COMPORT"), QString());
        QCOMPARE(s.GetDebugFlag(), 0);
        QCOMPARE(s.GetLanguageCode(), QString("en"));
        QVERIFY(!QFile::exists(s.Paths().SettingsFile()));

        QCOMPARE(s.LookupText(LS_MSG, "Warning"), QString("Warning"));
        QCOMPARE(s.LookupText(IDD_DLG_SCREEN_OPTION, 1056), QString("Next Screen Number:"));
        QCOMPARE(s.LookupText(IDD_DLG_SCREEN_OPTION, 1053), QString("Previous Screen Number:"));
        QCOMPARE(s.LookupText(IDD_DLG_SCREEN_FUN_KEY, 1079), QString("Screen Change"));
        QCOMPARE(s.LookupText(IDD_DLG_PANEL_CONFIG, 1135), QString("Start Screen Number:"));
        QCOMPARE(s.LookupText(IDD_DLG_PANEL_MANAGER, "Title"), QString("Panel Manager"));
        // Missing entries: numeric keys give nothing, text keys give themselves.
        QCOMPARE(s.LookupText(IDD_DLG_SCREEN_OPTION, 9999), QString());
        QCOMPARE(s.LookupText(LS_MSG, "No such text"), QString("No such text"));
        // Section codes that name no section.
        for (int code : {4, 5, 127, 400, -1}) {
            QCOMPARE(s.LookupText(code, 1031), QString());
            QCOMPARE(s.LookupText(code, "Title"), QString("Title"));
        }
        QCOMPARE(LanguageSectionName(128), QString("IDD_DLG_ABOUTBOX"));
        QCOMPARE(LanguageSectionName(173), QString("IDD_DLG_GRID_SIZE"));
        QCOMPARE(LanguageSectionName(174), QString("IDD_DLG_SIMULATOR"));
        QCOMPARE(LanguageSectionName(176), QString("IDD_DLG_REPORT"));
        QCOMPARE(LanguageSectionName(166), QString("IDD_DLG_SCREEN_OPTION"));
        QCOMPARE(LanguageSectionName(148), QString("IDD_DLG_PANEL_CONFIG"));
        QCOMPARE(LanguageSectionName(149), QString("IDD_DLG_PANEL_MANAGER"));
        QCOMPARE(LanguageSectionName(160), QString("IDD_DLG_SCREEN_FUN_KEY"));

        // Index 1 without a Language/1 entry is still English; with one, the
        // code is read anew on the next lookup.
        QVERIFY(s.WriteSetting("Language", "1"));
        QCOMPARE(s.GetLanguageCode(), QString("en"));
        QVERIFY(CProfileFile::WriteString(s.Paths().SettingsFile(), "Language", "1", "chs"));
        QCOMPARE(s.GetLanguageCode(), QString("chs"));
        QCOMPARE(s.LookupText(LS_MSG, "Warning"), QString::fromUtf8("警告"));
        // A language without a file keeps every built-in text.
        QVERIFY(CProfileFile::WriteString(s.Paths().SettingsFile(), "Language", "1", "xx"));
        QCOMPARE(s.LookupText(IDD_DLG_SCREEN_OPTION, 1056), QString());
        QCOMPARE(s.LookupText(LS_MSG, "Warning"), QString("Warning"));
    }

    void choosingALanguageWritesItsEntry()
    {
        QTemporaryDir dir;
        const CAppSettings s(AppPaths::ForProgramDir(dir.path()));
        const QString file = s.Paths().SettingsFile();
        // No settings file: Chinese gets number 1 after English's 0.
        QVERIFY(s.SetLanguageCode("chs"));
        QCOMPARE(s.GetLanguageCode(), QString("chs"));
        QCOMPARE(CProfileFile::ReadString(file, "Language", "0"), QString("en"));
        QCOMPARE(CProfileFile::ReadString(file, "Language", "1"), QString("chs"));
        QCOMPARE(s.GetSettingInt("Language"), 1);
        QVERIFY(s.SetLanguageCode("en"));
        QCOMPARE(s.GetSettingInt("Language"), 0);
        // An entry that is there is used again; a new code takes the next number.
        QVERIFY(s.SetLanguageCode("chs"));
        QCOMPARE(s.GetSettingInt("Language"), 1);
        QVERIFY(s.SetLanguageCode("cht"));
        QCOMPARE(s.GetSettingInt("Language"), 2);
        QCOMPARE(s.GetLanguageCode(), QString("cht"));
    }

    void commandLinePath()
    {
        QString location, name;
        QVERIFY(SplitCommandLinePath("\"D:\\Work\\Line 1.cgp\"", &location, &name));
        QCOMPARE(location, QString("D:\\Work"));
        QCOMPARE(name, QString("Line 1"));
        QVERIFY(SplitCommandLinePath("\"/home/me/p/Line.v2.cgp\"", &location, &name));
        QCOMPARE(location, QString("/home/me/p"));
        QCOMPARE(name, QString("Line.v2"));
        QVERIFY(!SplitCommandLinePath("\"Line 1.cgp\"", &location, &name));
        QVERIFY(!SplitCommandLinePath("\"D:\\Work\\Line\"", &location, &name));
        // The desktop's launcher and a shell hand the path over unquoted:
        // its first character is a part of it.
        QVERIFY(SplitCommandLinePath("/home/me/p/Line 1.cgp", &location, &name));
        QCOMPARE(location, QString("/home/me/p"));
        QCOMPARE(name, QString("Line 1"));
        QVERIFY(!SplitCommandLinePath("Line1", &location, &name));

        // Made absolute for another instance: only a plain relative path.
        QCOMPARE(AbsoluteCommandLinePath("P/Line1.cgp", "/home/me"),
                 QString("/home/me/P/Line1.cgp"));
        QCOMPARE(AbsoluteCommandLinePath("Line1.cgp", "/home/me"), QString("/home/me/Line1.cgp"));
        QCOMPARE(AbsoluteCommandLinePath("/srv/Line1.cgp", "/home/me"), QString("/srv/Line1.cgp"));
        QCOMPARE(AbsoluteCommandLinePath("\"Line 1.cgp\"", "/home/me"), QString("\"Line 1.cgp\""));
        QCOMPARE(AbsoluteCommandLinePath("D:\\Work\\L.cgp", "/home/me"),
                 QString("D:\\Work\\L.cgp"));
        QCOMPARE(AbsoluteCommandLinePath(QString(), "/home/me"), QString());
    }

    void versionCheck()
    {
        const VersionNumber program{1, 0, 0, 4};
        QVERIFY(VersionNumber::ProgramAccepts(program, {0, 0, 0, 0}));
        QVERIFY(VersionNumber::ProgramAccepts(program, {1, 0, 0, 4}));
        QVERIFY(!VersionNumber::ProgramAccepts(program, {1, 0, 0, 5}));
        // Components are compared each on its own.
        QVERIFY(VersionNumber::ProgramAccepts(program, {0, 0, 0, 9}));
        QVERIFY(!VersionNumber::ProgramAccepts(program, {2, 0, 0, 5}));
        QVERIFY(VersionNumber({0, 9, 0, 0}).IsLegacyRange());
        QVERIFY(!VersionNumber({0, 0, 0, 1}).IsLegacyRange());
        QCOMPARE(VersionIdentity::MainWindowTitle(), QString("Corvel (Ver1.0.0.4)"));
    }

    void workFoldersAreCreated()
    {
        CTestProgramFolder folder;
        const AppPaths& p = folder.App().settings.Paths();
        QCOMPARE(p.workDir, p.programDir);
        QVERIFY(QFileInfo(p.ProjectDir()).isDir());
        QVERIFY(QFileInfo(p.TempProjectDir()).isDir());
    }

    void installedSettingsSeedTheUsersFolder()
    {
        // An installed copy: the program folder cannot be written, so the
        // settings live in the user's data folder, which does not exist yet.
        QTemporaryDir program, data;
        const QByteArray installed =
            "[App]\r\nLanguage=1\r\nSoftwareManuals=/opt/corvel/manual.pdf\r\n"
            "[Language]\r\n0=en\r\n1=chs\r\n";
        WriteFile(program.path() + "/QV_.ini", installed);
        QFile::setPermissions(program.path() + "/QV_.ini",
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString user = data.path() + "/share/Corvel";
        const AppPaths p = AppPaths::InUserDataFolder(program.path(), user);
        QCOMPARE(p.programDir, program.path());
        QCOMPARE(p.workDir, user);
        QCOMPARE(ReadFile(user + "/QV_.ini"), installed);
        const CAppSettings s(p);
        QCOMPARE(s.GetLanguageCode(), QString("chs"));
        QCOMPARE(s.GetSettingString("SoftwareManuals"), QString("/opt/corvel/manual.pdf"));

        // The copy is the user's to change; the user's own settings are
        // never replaced by the installed ones.
        QVERIFY(QFileInfo(user + "/QV_.ini").permissions() & QFile::WriteOwner);
        QVERIFY(s.WriteSetting("Language", "0"));
        const QByteArray own = ReadFile(user + "/QV_.ini");
        AppPaths::InUserDataFolder(program.path(), user);
        QCOMPARE(ReadFile(user + "/QV_.ini"), own);
        QCOMPARE(CAppSettings(p).GetLanguageCode(), QString("en"));

        // Without an installed file nothing is made up.
        QTemporaryDir bare;
        const QString other = data.path() + "/other/Corvel";
        QCOMPARE(AppPaths::InUserDataFolder(bare.path(), other).workDir, other);
        QVERIFY(QFileInfo(other).isDir());
        QVERIFY(!QFileInfo::exists(other + "/QV_.ini"));
    }

    void installedCopyWorksInTheUsersDataFolder()
    {
        // bin/ with share/corvel/ beside it: the data comes from there and the
        // work goes to the user's data folder, although bin/ can be written.
        QTemporaryDir prefix, data;
        QVERIFY(QDir().mkpath(prefix.path() + "/bin")
                && QDir().mkpath(prefix.path() + "/share/corvel"));
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        const AppPaths p = AppPaths::ForProgramDir(prefix.path() + "/bin");
        QCOMPARE(InstalledData::DataDir(prefix.path() + "/bin"), prefix.path() + "/share/corvel");
        QCOMPARE(p.LanguageFile("en"), prefix.path() + "/share/corvel/QV_Str.en");
        QCOMPARE(p.workDir, data.path() + "/Corvel");
        QVERIFY(QFileInfo(p.workDir).isDir());
        p.CreateWorkFolders();
        QCOMPARE(QDir(prefix.path() + "/bin").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        // Anywhere else the program's own folder rules, as in a build tree.
        QTemporaryDir build;
        QVERIFY(InstalledData::DataDir(build.path()).isEmpty());
        QCOMPARE(AppPaths::ForProgramDir(build.path()).workDir, build.path());
        if (saved.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", saved);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
