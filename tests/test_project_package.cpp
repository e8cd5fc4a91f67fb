#include "TestSupport.h"
#include "base/ProfileFile.h"
#include "project/PrjIni.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "base/SafePath.h"
#include "app/ScreenCommands.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QScopeGuard>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// Writes a ZIP with Python's zipfile, so the reader is tested against a
// writer other than its own library. Names are stored in code page 936.
bool makeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries)
{
    QStringList args{"-c",
                     "import sys,zipfile\n"
                     "z=zipfile.ZipFile(sys.argv[1],'w')\n"
                     "a=sys.argv[2:]\n"
                     "for i in range(0,len(a),2):\n"
                     "  info=zipfile.ZipInfo(a[i].encode('gbk').decode('cp437'))\n"
                     "  z.writestr(info, bytes.fromhex(a[i+1]))\n"
                     "z.close()\n",
                     path};
    for (const auto& e : entries)
        args << e.first << QString::fromLatin1(e.second.toHex());
    return Run("python3", args) == 0;
}

QByteArray prjIni(const QString& name, const QString& version = "1,0,0,4")
{
    QStringList v = version.split(',');
    return PrjIni::Build(name, VersionNumber{quint16(v[0].toUInt()), quint16(v[1].toUInt()),
                                             quint16(v[2].toUInt()), quint16(v[3].toUInt())});
}

// A project Line1 at <dir>/P with screens 1 "Main" and 2 "Alarm" and one bitmap.
void makeLine1(CTessanApp& app, const QString& location)
{
    app.ResetProjectModel("Line1", location, "RU03", kVSeq);
    ScreenCommands::NewScreen(app, 1, "Main");
    ScreenCommands::NewScreen(app, 2, "Alarm");
    app.model.bitmapFiles << "Bitmap/pump.bmp";
    WriteFile(app.ProjectFolder() + "/Bitmap/pump.bmp", "BMpicture");
}

// The permission bits of a file, as stat gives them.
int fileMode(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

// Every file of a folder with its bytes, by relative path.
QMap<QString, QByteArray> folderFiles(const QString& folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.insert(QDir(folder).relativeFilePath(path), ReadFile(path));
    }
    return out;
}

} // namespace

class TestProjectPackage : public QObject
{
    Q_OBJECT
private slots:
    void saveWritesEntriesInOrder()
    {
        CTestProgramFolder f;
        QTemporaryDir out;
        CTessanApp& app = f.App();
        makeLine1(app, out.path() + "/P");
        QVERIFY(app.ProjectCountsAsModified());
        QVERIFY(CProjectStorage(app).SaveProject());
        QVERIFY(!app.ProjectCountsAsModified());
        const QString pkg = out.path() + "/P/Line1.cgp";
        QCOMPARE(ZipEntries(pkg), QStringList({"Prj.ini", "Line1.cgp", "Bitmap/pump.bmp",
                                               "Line1.cgp - #2 Alarm", "Line1.cgp - #1 Main"}));
        QCOMPARE(
            ZipEntryBytes(pkg, "Prj.ini"),
            QByteArray(
                "[CONFIG]\r\nName=Line1\r\nVersionHH=1\r\nVersionHL=0\r\nVersionLH=0\r\nVersionLL=4"));
        QCOMPARE(ZipEntryBytes(pkg, "Bitmap/pump.bmp"), QByteArray("BMpicture"));
        QCOMPARE(ZipEntryBytes(pkg, "Line1.cgp - #1 Main"), Utf16("paper:192,64;\r\n"));
        QCOMPARE(ZipEntryBytes(pkg, "Line1.cgp"), ReadFile(app.ProjectFolder() + "/Line1.cgp"));
        // Nothing but the package is left beside it.
        QCOMPARE(QDir(out.path() + "/P").entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Line1.cgp"}));
    }

    void openBacksUpUnpacksAndLoads()
    {
        QTemporaryDir out;
        const QString loc = out.path() + "/P";
        {
            CTestProgramFolder f;
            makeLine1(f.App(), loc);
            f.App().model.info.companyName = "ACME";
            QVERIFY(CProjectStorage(f.App()).SaveProject());
        }
        const QByteArray pkgBytes = ReadFile(loc + "/Line1.cgp");
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        QVERIFY(CProjectStorage(app).OpenProject(loc, "Line1"));
        QCOMPARE(ReadFile(loc + "/Line1.cgp.bak"), pkgBytes);
        QCOMPARE(ReadFile(loc + "/Line1.cgp"), pkgBytes); // an open never changes the package
        QCOMPARE(app.model.info.name, QString("Line1"));
        QCOMPARE(app.model.info.location, loc);
        QCOMPARE(app.model.info.companyName, QString("ACME"));
        QCOMPARE(app.model.screens.size(), size_t(2));
        QCOMPARE(app.model.screens[0]->name, QString("Alarm"));
        QCOMPARE(app.model.formatVersion, VersionNumber({1, 0, 0, 4}));
        QVERIFY(!app.ProjectCountsAsModified());
        QVERIFY(!app.ImageStandsForProject());
        QVERIFY(QFile::exists(app.ProjectFolder() + "/Bitmap/pump.bmp"));
        QVERIFY(f.messages.isEmpty());

        // Renamed package: unpacked into its own folder, loaded by Prj.ini's name.
        QVERIFY(QFile::copy(loc + "/Line1.cgp", loc + "/Other.cgp"));
        CProjectStorage(app).CloseProject();
        QVERIFY(CProjectStorage(app).OpenProject(loc, "Other"));
        QCOMPARE(app.projectFolderName, QString("Other"));
        QCOMPARE(app.model.info.name, QString("Line1"));
        QCOMPARE(app.ProjectFolder(), f.App().settings.Paths().TempProjectDir() + "/Other");
        QVERIFY(QFile::exists(app.ProjectFolder() + "/Line1.cgp"));

        // Program end: every project folder goes.
        CProjectStorage::RemoveProjectFolders(app.projectsRoot);
        QVERIFY(!QFileInfo::exists(f.App().settings.Paths().TempProjectDir()));
    }

    void failedOpensAndTheirMessages()
    {
        QTemporaryDir out;
        const QString loc = out.path();
        makeZip(loc + "/NoName.cgp", {{"Prj.ini", prjIni("")}, {"NoName.cgp", Utf16("x\n")}});
        makeZip(loc + "/NoDoc.cgp", {{"Prj.ini", prjIni("NoDoc")}});
        WriteFile(loc + "/Junk.cgp", "this is no zip file at all");

        CTestProgramFolder f;
        CProjectStorage storage(f.App());
        QVERIFY(!storage.OpenProject(loc, "NoName"));
        QVERIFY(!storage.OpenProject(loc, "NoDoc"));
        QVERIFY(!storage.OpenProject(loc, "Junk"));
        QVERIFY(!storage.OpenProject(loc, "Missing"));
        QVERIFY(f.messages.isEmpty()); // internal messages only with the debug flag

        CProfileFile::WriteString(f.App().settings.Paths().SettingsFile(), "Debug", "CompilerData",
                                  "1");
        QVERIFY(!storage.OpenProject(loc, "NoName"));
        QVERIFY(!storage.OpenProject(loc, "Junk"));
        QVERIFY(!storage.OpenProject(loc, "Missing"));
        QCOMPARE(f.MessageTexts(),
                 QStringList({"OpenZip szValue.IsEmpty failed.", "Unzip project file failed.",
                              "OpenZip failed.", "Unzip project file failed.",
                              "Backup project file failed."}));
        QCOMPARE(f.messages[0].second, QString("Error"));
    }

    void legacyVersionFromPrjIni()
    {
        QTemporaryDir out;
        CTestProgramFolder f;
        makeLine1(f.App(), out.path());
        QVERIFY(CProjectStorage(f.App()).SaveProject());
        // Same package with an old Prj.ini.
        QByteArray doc = ZipEntryBytes(out.path() + "/Line1.cgp", "Line1.cgp");
        makeZip(out.path() + "/Old.cgp",
                {{"Prj.ini", prjIni("Line1", "0,9,0,0")}, {"Line1.cgp", doc}});
        CTestProgramFolder g;
        QVERIFY(CProjectStorage(g.App()).OpenProject(out.path(), "Old"));
        QVERIFY(g.App().model.IsLegacyRangeMode());
        QCOMPARE(g.App().model.formatVersion, VersionNumber({0, 9, 0, 0}));
    }

    void unpackingNeverWritesOutsideTheFolder()
    {
        QTemporaryDir out;
        const QString loc = out.path() + "/pkgs";
        QDir().mkpath(loc);
        const QList<QString> evil = {"../escaped.txt", "sub/../../escaped.txt",
                                     "/tmp/qv-abs-escape.txt", "C:\\escaped.txt",
                                     "..\\escaped.txt"};
        int i = 0;
        for (const QString& name : evil) {
            QString base = QString("Evil%1").arg(i++);
            makeZip(loc + "/" + base + ".cgp",
                    {{"Prj.ini", prjIni(base)}, {base + ".cgp", Utf16("x\n")}, {name, "pwned"}});
            CTestProgramFolder f;
            QVERIFY2(!CProjectStorage(f.App()).OpenProject(loc, base), qPrintable(name));
            QVERIFY(!QFile::exists(f.App().settings.Paths().TempProjectDir() + "/escaped.txt"));
            QVERIFY(!QFile::exists(f.App().settings.Paths().TempDir() + "/escaped.txt"));
        }
        QVERIFY(!QFile::exists(loc + "/escaped.txt"));
        QVERIFY(!QFile::exists("/tmp/qv-abs-escape.txt"));

        // A Prj.ini name that would lead out of the folder cannot open.
        makeZip(loc + "/Up.cgp", {{"Prj.ini", prjIni("../Up")}, {"Up.cgp", Utf16("x\n")}});
        CTestProgramFolder f;
        QVERIFY(!CProjectStorage(f.App()).OpenProject(loc, "Up"));

        QString path;
        QVERIFY(SafeJoin("/a", "b/c.bmp", &path));
        QCOMPARE(path, QString("/a/b/c.bmp"));
        QVERIFY(SafeJoin("/a", "b\\c.bmp", &path));
        QCOMPARE(path, QString("/a/b/c.bmp"));
        QVERIFY(SafeJoin("/a", "x..y", &path));
        QVERIFY(!SafeJoin("/a", "", &path));
    }

    void unsafeNamesAreNeverPackedOrWritten()
    {
        QTemporaryDir out;
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        makeLine1(app, out.path());
        WriteFile(out.path() + "/secret.txt", "secret");
        app.model.bitmapFiles << "../../../../../../" + out.path() + "/secret.txt"
                              << "missing.bmp";
        // A screen name that would climb out of the folder: no file is made for it.
        ScreenCommands::NewScreen(app, 3, "../../../escape");
        QVERIFY(!QFile::exists(app.projectsRoot + "/escape"));
        QVERIFY(CProjectStorage(app).SaveProject());
        QStringList entries = ZipEntries(out.path() + "/Line1.cgp");
        QVERIFY(!entries.join('|').contains("secret"));
        QVERIFY(!entries.contains("missing.bmp"));
        QVERIFY(!entries.join('|').contains("escape"));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].second, QString("Warning"));
        QVERIFY(f.messages[0].first.contains("missing.bmp"));
    }

    void saveAsCarriesEveryFileUnderTheNewName()
    {
        QTemporaryDir out;
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        makeLine1(app, out.path() + "/A");
        QVERIFY(CProjectStorage(app).SaveProject());
        const QString oldFolder = app.ProjectFolder();
        WriteFile(oldFolder + "/CopyTemp", "clip");

        QVERIFY(CProjectStorage(app).SaveProjectAs(out.path() + "/B/Line2.cgp"));
        QCOMPARE(app.model.info.name, QString("Line2"));
        QCOMPARE(app.model.info.location, out.path() + "/B");
        QCOMPARE(app.prjDoc.Title(), QString("Line2.cgp"));
        QCOMPARE(ZipEntries(out.path() + "/B/Line2.cgp"),
                 QStringList({"Prj.ini", "Line2.cgp", "Bitmap/pump.bmp", "Line2.cgp - #2 Alarm",
                              "Line2.cgp - #1 Main"}));
        QVERIFY(ZipEntryBytes(out.path() + "/B/Line2.cgp", "Prj.ini").contains("Name=Line2"));
        QVERIFY(QFile::exists(app.ProjectFolder() + "/CopyTemp"));
        QVERIFY(QFile::exists(out.path() + "/A/Line1.cgp")); // the old package stays

        // Same name, other place: the folder is kept as it is.
        QVERIFY(CProjectStorage(app).SaveProjectAs(out.path() + "/C/Line2.cgp"));
        QCOMPARE(ZipEntries(out.path() + "/C/Line2.cgp").size(), 5);
    }

    void savingKeepsThePackagesMode()
    {
        const mode_t oldMask = ::umask(027);
        const auto restoreMask = qScopeGuard([oldMask] { ::umask(oldMask); });
        QTemporaryDir out;
        const QString loc = out.path() + "/P";
        const QString pkg = loc + "/Line1.cgp";
        {
            CTestProgramFolder f;
            makeLine1(f.App(), loc);
            // A new package: the mode the umask gives a new file.
            QVERIFY(CProjectStorage(f.App()).SaveProject());
            QCOMPARE(fileMode(pkg), 0640);
            // A saved package keeps the mode it had.
            QVERIFY(::chmod(QFile::encodeName(pkg).constData(), 0604) == 0);
            QVERIFY(CProjectStorage(f.App()).SaveProject());
            QCOMPARE(fileMode(pkg), 0604);
            // Save As to a new package: the umask again.
            QVERIFY(CProjectStorage(f.App()).SaveProjectAs(out.path() + "/Q/Line2.cgp"));
            QCOMPARE(fileMode(out.path() + "/Q/Line2.cgp"), 0640);
            QCOMPARE(fileMode(pkg), 0604);
        }
        // A new backup is made like a copy of the package: its mode less the umask.
        CTestProgramFolder g;
        QVERIFY(CProjectStorage(g.App()).OpenProject(loc, "Line1"));
        QCOMPARE(fileMode(pkg + ".bak"), 0604 & ~027);
        // An existing backup keeps its mode.
        QVERIFY(::chmod(QFile::encodeName(pkg + ".bak").constData(), 0644) == 0);
        QVERIFY(CProjectStorage(g.App()).OpenProject(loc, "Line1"));
        QCOMPARE(fileMode(pkg + ".bak"), 0644);
        QCOMPARE(ReadFile(pkg + ".bak"), ReadFile(pkg));

        // qv-cli resave does the same (it inherits this umask).
        QVERIFY(::chmod(QFile::encodeName(pkg).constData(), 0664) == 0);
        QCOMPARE(Run(QvCli(), {"resave", pkg}), 0);
        QCOMPARE(fileMode(pkg), 0664);
        QCOMPARE(fileMode(pkg + ".bak"), 0644);
        QCOMPARE(ZipEntries(pkg).size(), 5);
    }

    void namesThatArePathsCannotOpen()
    {
        QTemporaryDir out;
        const QString loc = out.path();
        QByteArray doc;
        {
            CTestProgramFolder f;
            makeLine1(f.App(), loc + "/src");
            QVERIFY(CProjectStorage(f.App()).SaveProject());
            doc = ZipEntryBytes(loc + "/src/Line1.cgp", "Line1.cgp");
        }
        // Each package holds the project document under the name that its
        // Prj.ini gives, so only the name itself can make the open fail.
        const QList<QPair<QString, QString>> cases = {{"Slash", "sub/x"},
                                                      {"Back", "sub\\x"},
                                                      {"Dots", ".."},
                                                      {"DotsInside", "a..b"},
                                                      {"Blank", "   "}};
        for (const auto& c : cases) {
            const QString entry =
                c.second.trimmed().isEmpty() ? c.first + ".cgp" : c.second + ".cgp";
            QVERIFY(
                makeZip(loc + "/" + c.first + ".cgp",
                        {{"Prj.ini", prjIni(c.second)}, {QString(entry).replace('\\', '/'), doc}}));
            CTestProgramFolder f;
            QVERIFY2(!CProjectStorage(f.App()).OpenProject(loc, c.first), qPrintable(c.second));
        }
        // The command line shows the open failure and writes no package.
        QByteArray o, e;
        QCOMPARE(Run(QvCli(), {"resave", loc + "/Slash.cgp"}, &o, &e), 1);
        QCOMPARE(QString::fromUtf8(e).trimmed(), QString("Error GUI-004 : This file can't open"));
        QVERIFY(!QFileInfo::exists(loc + "/sub"));
        // A name with spaces or dots elsewhere is a name like any other.
        QVERIFY(
            makeZip(loc + "/Fine.cgp", {{"Prj.ini", prjIni("Line 1.v2")}, {"Line 1.v2.cgp", doc}}));
        CTestProgramFolder g;
        QVERIFY(CProjectStorage(g.App()).OpenProject(loc, "Fine"));
        QCOMPARE(g.App().model.info.name, QString("Line 1.v2"));
        // Nor can a project be saved under a name that would not open again.
        QVERIFY(!CProjectStorage(g.App()).SaveProjectAs(loc + "/x/a..b.cgp"));
        QCOMPARE(g.App().model.info.name, QString("Line 1.v2"));
        QVERIFY(!QFileInfo::exists(loc + "/x/a..b.cgp"));
    }

    void failedSaveAsKeepsTheProject()
    {
        QTemporaryDir out;
        const QString loc = out.path() + "/A";
        WriteFile(out.path() + "/file", "a file, no folder");
        const QString unwritable = out.path() + "/file/sub";
        {
            CTestProgramFolder f;
            makeLine1(f.App(), loc);
            QVERIFY(CProjectStorage(f.App()).SaveProject());
        }
        QVERIFY(QFile::copy(loc + "/Line1.cgp", loc + "/Other.cgp"));
        const QByteArray line1 = ReadFile(loc + "/Line1.cgp");

        CTestProgramFolder f;
        CTessanApp& app = f.App();
        // Another name and another folder.
        QVERIFY(CProjectStorage(app).OpenProject(loc, "Line1"));
        app.ForgetSaved();
        const QString folder = app.ProjectFolder();
        const QMap<QString, QByteArray> files = folderFiles(folder);
        QCOMPARE(files.size(), 6); // the package's five files and the recovery marker
        QVERIFY(!CProjectStorage(app).SaveProjectAs(unwritable + "/Line2.cgp"));
        QCOMPARE(app.model.info.name, QString("Line1"));
        QCOMPARE(app.model.info.location, loc);
        QCOMPARE(app.ProjectFolder(), folder);
        QCOMPARE(app.prjDoc.Title(), QString("Line1.cgp"));
        QVERIFY(app.ProjectCountsAsModified());
        QCOMPARE(folderFiles(folder), files);
        QCOMPARE(ReadFile(loc + "/Line1.cgp"), line1);
        QCOMPARE(QDir(app.projectsRoot)
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Line1"}));
        // It still saves where it was.
        QVERIFY(CProjectStorage(app).SaveProject());
        QCOMPARE(ZipEntries(loc + "/Line1.cgp").size(), 5);

        // The package Other.cgp holds project Line1: its folder is Other, and
        // Save As Other.cgp renames the project's files inside that folder.
        CProjectStorage(app).CloseProject();
        QVERIFY(CProjectStorage(app).OpenProject(loc, "Other"));
        const QString otherFolder = app.ProjectFolder();
        const QMap<QString, QByteArray> otherFiles = folderFiles(otherFolder);
        const QByteArray otherPkg = ReadFile(loc + "/Other.cgp");
        QVERIFY(!CProjectStorage(app).SaveProjectAs(unwritable + "/Other.cgp"));
        QCOMPARE(app.model.info.name, QString("Line1"));
        QCOMPARE(app.model.info.location, loc);
        QCOMPARE(app.ProjectFolder(), otherFolder);
        QCOMPARE(folderFiles(otherFolder), otherFiles);
        QCOMPARE(ReadFile(loc + "/Other.cgp"), otherPkg);
        QCOMPARE(QDir(app.projectsRoot)
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Line1", "Other"}));
        // And the same Save As where it can be written.
        QVERIFY(CProjectStorage(app).SaveProjectAs(out.path() + "/C/Other.cgp"));
        QCOMPARE(app.model.info.name, QString("Other"));
        QCOMPARE(ZipEntries(out.path() + "/C/Other.cgp"),
                 QStringList({"Prj.ini", "Other.cgp", "Bitmap/pump.bmp", "Other.cgp - #2 Alarm",
                              "Other.cgp - #1 Main"}));
        QCOMPARE(ReadFile(loc + "/Other.cgp"), otherPkg);
        QCOMPARE(QDir(app.projectsRoot)
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Line1", "Other"}));
    }

    void unpackingIsBounded()
    {
        QTemporaryDir out;
        const QString loc = out.path();
        QByteArray doc;
        {
            CTestProgramFolder f;
            makeLine1(f.App(), loc + "/src");
            QVERIFY(CProjectStorage(f.App()).SaveProject());
            doc = ZipEntryBytes(loc + "/src/Line1.cgp", "Line1.cgp");
        }
        // Packages whose ZIP directory promises more than 1 GiB, in one entry
        // or in all, and one of more than 10,000 entries. The sizes are
        // written into the local and central headers as a crafted package
        // would have them; the data itself is small.
        const QString script =
            "import sys,struct,zipfile\n"
            "path,kind,ini,doc=sys.argv[1],sys.argv[2],bytes.fromhex(sys.argv[3]),bytes.fromhex(sys.argv[4])\n"
            "z=zipfile.ZipFile(path,'w',zipfile.ZIP_DEFLATED)\n"
            "z.writestr('Prj.ini',ini); z.writestr('Bomb.cgp',doc)\n"
            "n={'one':1,'all':4,'many':10001}[kind]\n"
            "for i in range(n): z.writestr('f%d.bin'%i,b'\\0'*64)\n"
            "z.close()\n"
            "size={'one':(1<<30)+1,'all':(1<<28)+1,'many':64}[kind]\n"
            "b=bytearray(open(path,'rb').read())\n"
            "i=0\n"
            "while True:\n"
            "  i=b.find(b'PK\\x01\\x02',i)\n"
            "  if i<0: break\n"
            "  nl=struct.unpack_from('<H',b,i+28)[0]\n"
            "  if b[i+46:i+46+nl].startswith(b'f'):\n"
            "    struct.pack_into('<I',b,i+24,size)\n"
            "    lo=struct.unpack_from('<I',b,i+42)[0]\n"
            "    struct.pack_into('<I',b,lo+22,size)\n"
            "  i+=4\n"
            "open(path,'wb').write(b)\n";
        for (const QString kind : {"one", "all", "many"}) {
            const QString base = "Bomb" + kind;
            QCOMPARE(Run("python3", {"-c", script, loc + "/" + base + ".cgp", kind,
                                     QString::fromLatin1(prjIni("Bomb").toHex()),
                                     QString::fromLatin1(doc.toHex())}),
                     0);
            CTestProgramFolder f;
            // A folder left from an earlier open stays as it was: nothing is
            // deleted or written before the package is refused.
            const QString folder = f.App().projectsRoot + "/" + base;
            WriteFile(folder + "/keep.txt", "earlier");
            QVERIFY2(!CProjectStorage(f.App()).OpenProject(loc, base), qPrintable(kind));
            QCOMPARE(folderFiles(folder), (QMap<QString, QByteArray>{{"keep.txt", "earlier"}}));
        }
        // The same packages within the bounds open.
        QVERIFY(makeZip(
            loc + "/Small.cgp",
            {{"Prj.ini", prjIni("Bomb")}, {"Bomb.cgp", doc}, {"f0.bin", QByteArray(64, 0)}}));
        CTestProgramFolder f;
        QVERIFY(CProjectStorage(f.App()).OpenProject(loc, "Small"));
    }

    void chineseNamesUseCodePage936()
    {
        QTemporaryDir out;
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        const QString name = QString::fromUtf8("灌装线");
        app.ResetProjectModel(name, out.path(), "RU03", kVSeq);
        ScreenCommands::NewScreen(app, 1, QString::fromUtf8("主画面"));
        QVERIFY(CProjectStorage(app).SaveProject());
        const QString pkg = out.path() + "/" + name + ".cgp";
        QCOMPARE(ZipEntries(pkg).value(2), name + QString::fromUtf8(".cgp - #1 主画面"));
        QByteArray ini = ZipEntryBytes(pkg, "Prj.ini");
        QVERIFY(ini.contains(QByteArray("Name=\xB9\xE0\xD7\xB0\xCF\xDF\r\n")));

        CTestProgramFolder g;
        QVERIFY(CProjectStorage(g.App()).OpenProject(out.path(), name));
        QCOMPARE(g.App().model.info.name, name);
        QCOMPARE(g.App().model.screens[0]->name, QString::fromUtf8("主画面"));
    }

    void namesWithPercentSignsAndNamesOutsideCodePage936()
    {
        // A project name that looks like a placeholder is written as it stands.
        QCOMPARE(
            prjIni("A%2B%1"),
            QByteArray(
                "[CONFIG]\r\nName=A%2B%1\r\nVersionHH=1\r\nVersionHL=0\r\nVersionLH=0\r\nVersionLL=4"));
        QTemporaryDir out;
        {
            CTestProgramFolder f;
            CTessanApp& app = f.App();
            app.ResetProjectModel("Line%1", out.path(), "RU03", kVSeq);
            ScreenCommands::NewScreen(app, 1, QString::fromUtf8("Müller"));
            ScreenCommands::NewScreen(app, 2, QString::fromUtf8("Ölstand ß"));
            QVERIFY(CProjectStorage(app).SaveProject());
            QVERIFY(f.messages.isEmpty());
        }
        const QString pkg = out.path() + "/Line%1.cgp";
        // A name that code page 936 cannot hold is stored as UTF-8 (flagged so),
        // never as question marks; the others stay in code page 936.
        QCOMPARE(ZipEntries(pkg), QStringList({"Prj.ini", "Line%1.cgp",
                                               QString::fromUtf8("Line%1.cgp - #2 Ölstand ß"),
                                               QString::fromUtf8("Line%1.cgp - #1 Müller")}));
        CTestProgramFolder g;
        QVERIFY(CProjectStorage(g.App()).OpenProject(out.path(), "Line%1"));
        QCOMPARE(g.App().model.info.name, QString("Line%1"));
        QVERIFY(
            QFile::exists(g.App().ProjectFolder() + QString::fromUtf8("/Line%1.cgp - #1 Müller")));
        QVERIFY(QFile::exists(g.App().ProjectFolder()
                              + QString::fromUtf8("/Line%1.cgp - #2 Ölstand ß")));
    }

    void aProjectNameThatPrjIniCannotHoldIsNotSaved()
    {
        QTemporaryDir out;
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        const QString name = QString::fromUtf8("Ölwerk");
        app.ResetProjectModel(name, out.path(), "RU03", kVSeq);
        ScreenCommands::NewScreen(app, 1, "Main");
        WriteFile(out.path() + "/" + name + ".cgp", "the user's package");
        // Prj.ini would name the project "?lwerk": the package could never be
        // opened again, so the save fails and the old package stays.
        QVERIFY(!CProjectStorage(app).SaveProject());
        QVERIFY(app.ProjectCountsAsModified());
        QCOMPARE(ReadFile(out.path() + "/" + name + ".cgp"), QByteArray("the user's package"));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].second, QString("Error"));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({name + ".cgp"}));
    }

    void aFolderNameOfOneDotIsRefused()
    {
        QTemporaryDir out;
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        makeLine1(app, out.path() + "/A");
        QVERIFY(CProjectStorage(app).SaveProject());
        const QString oldFolder = app.ProjectFolder();
        WriteFile(app.projectsRoot + "/Keep/keep.txt", "other");
        // "..cgp" names the project ".", which is no folder of its own.
        QVERIFY(!CProjectStorage(app).SaveProjectAs(out.path() + "/B/..cgp"));
        QVERIFY(QFile::exists(oldFolder + "/Line1.cgp"));
        QVERIFY(QFile::exists(app.projectsRoot + "/Keep/keep.txt"));
        QCOMPARE(app.model.info.name, QString("Line1"));

        QVERIFY(QFile::copy(out.path() + "/A/Line1.cgp", out.path() + "/A/..cgp"));
        CTestProgramFolder g;
        WriteFile(g.App().projectsRoot + "/Keep/keep.txt", "other");
        QVERIFY(!CProjectStorage(g.App()).OpenProject(out.path() + "/A", "."));
        QVERIFY(QFile::exists(g.App().projectsRoot + "/Keep/keep.txt"));
    }

    void commandLine()
    {
        QTemporaryDir out;
        QByteArray o, e;
        QCOMPARE(Run(QvCli(), {"new", out.path() + "/d/Sample.cgp"}, &o, &e), 0);
        const QString pkg = out.path() + "/d/Sample.cgp";
        QCOMPARE(ZipEntries(pkg),
                 QStringList({"Prj.ini", "Sample.cgp", "Sample.cgp - #1 Screen 1"}));
        QByteArray doc = ZipEntryBytes(pkg, "Sample.cgp");
        QVERIFY(doc.contains(Utf16("\nRU03\n" + kVSeq + "\n")));

        const QByteArray made = ReadFile(pkg);
        QCOMPARE(Run(QvCli(), {"new", pkg}, &o, &e), 1); // an existing project is never replaced
        QCOMPARE(ReadFile(pkg), made);
        QCOMPARE(Run(QvCli(), {"resave", pkg}), 0);
        QVERIFY(QFile::exists(pkg + ".bak"));
        QCOMPARE(Run(QvCli(), {"resave", pkg, out.path() + "/e/Copy.cgp"}), 0);
        QCOMPARE(ZipEntries(out.path() + "/e/Copy.cgp"),
                 QStringList({"Prj.ini", "Copy.cgp", "Copy.cgp - #1 Screen 1"}));

        WriteFile(out.path() + "/bad.cgp", "garbage");
        QCOMPARE(Run(QvCli(), {"resave", out.path() + "/bad.cgp", out.path() + "/f/x.cgp"}, &o, &e),
                 1);
        QCOMPARE(QString::fromUtf8(e).trimmed(), QString("Error GUI-004 : This file can't open"));
        QVERIFY(!QFileInfo::exists(out.path() + "/f"));
        QCOMPARE(ReadFile(out.path() + "/bad.cgp"), QByteArray("garbage"));

        QVERIFY(Run(QvCli(), {"resave"}) != 0);
        QVERIFY(Run(QvCli(), {"frobnicate"}) != 0);
        QCOMPARE(Run(QvCli(), {"new", "--help"}, &o), 0);
        QVERIFY(o.contains("new DIR/NAME.cgp"));
    }
};

QTEST_GUILESS_MAIN(TestProjectPackage)
#include "test_project_package.moc"
