// The editor's desktop files, installed per user when missing and left alone
// when present, from the program's desktop/ folder or built in.
#include "TestSupport.h"
#include "ui/app/DesktopIntegration.h"

#include <QImage>
#include <QTest>

using namespace TestSupport;

class TestDesktopIntegration : public QObject
{
    Q_OBJECT
private slots:
    void installsTheProgramsFilesOnce()
    {
        QTemporaryDir dir;
        const QString source = dir.path() + "/bin/desktop";
        const QString data = dir.path() + "/data";
        WriteFile(
            source + "/corvel.desktop",
            "[Desktop Entry]\nType=Application\nName=Corvel\nExec=qv %f\nTryExec=qv\nIcon=corvel\n"
            "MimeType=application/x-corvel-project;\n");
        WriteFile(
            source + "/corvel-project.xml",
            "<?xml version=\"1.0\"?>\n<mime-info xmlns=\"http://www.freedesktop.org/standards/"
            "shared-mime-info\"><mime-type type=\"application/x-corvel-project\"><glob "
            "pattern=\"*.cgp\"/></mime-type></mime-info>\n");
        QImage icon(48, 48, QImage::Format_ARGB32);
        icon.fill(Qt::darkGreen);
        QVERIFY(icon.save(source + "/corvel-48.png"));
        QImage big(256, 256, QImage::Format_ARGB32);
        big.fill(Qt::darkGreen);
        QVERIFY(big.save(source + "/corvel-256.png"));
        // The program lies in a folder with a blank in its name.
        const QString program = dir.path() + "/bin dir/qv";
        WriteFile(program, "#!/bin/sh\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        CDesktopIntegration d(program, source, data);
        d.SetRunTools(false);
        const QStringList written = d.InstallWhenMissing();
        const QString entryPath = data + "/applications/corvel.desktop";
        const QString mimePath = data + "/mime/packages/corvel-project.xml";
        const QString icon48 = data + "/icons/hicolor/48x48/apps/corvel.png";
        const QString icon256 = data + "/icons/hicolor/256x256/apps/corvel.png";
        QCOMPARE(written.size(), 4);
        for (const QString& p : {entryPath, mimePath, icon48, icon256})
            QVERIFY2(written.contains(p), qPrintable(p));

        const QByteArray entry = ReadFile(entryPath);
        QVERIFY(entry.contains("\nExec=\"" + QFile::encodeName(program) + "\" %f\n"));
        QVERIFY(entry.contains("\nTryExec=" + QFile::encodeName(program) + "\n"));
        QVERIFY(entry.contains("\nIcon=corvel\n"));
        QVERIFY(entry.contains("\nMimeType=application/x-corvel-project;\n"));
        QCOMPARE(ReadFile(mimePath), ReadFile(source + "/corvel-project.xml"));
        QCOMPARE(ReadFile(icon48), ReadFile(source + "/corvel-48.png"));

        // Present: left alone, even when the user changed them.
        WriteFile(mimePath, "<mime-info>mine</mime-info>");
        QCOMPARE(d.InstallWhenMissing(), QStringList());
        QCOMPARE(ReadFile(mimePath), QByteArray("<mime-info>mine</mime-info>"));
        QCOMPARE(ReadFile(entryPath), entry);

        // An entry whose program is gone counts as missing.
        CDesktopIntegration moved(dir.path() + "/elsewhere/qv", source, data);
        moved.SetRunTools(false);
        QFile::remove(program);
        QCOMPARE(moved.InstallWhenMissing(), QStringList({entryPath}));
        QVERIFY(ReadFile(entryPath).contains("Exec=\"" + QFile::encodeName(dir.path())
                                             + "/elsewhere/qv\" %f"));
    }

    void writesItsOwnFilesWithoutTheFolder()
    {
        QTemporaryDir dir;
        const QString data = dir.path() + "/data";
        // Quotes, a dollar and a percent sign in the path are escaped for Exec.
        const QString program = dir.path() + "/a \"b\" $c 100%/qv";
        WriteFile(program, "#!/bin/sh\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        CDesktopIntegration d(program, dir.path() + "/none", data);
        d.SetRunTools(false);
        const QStringList written = d.InstallWhenMissing();
        QCOMPARE(written.size(), 3);
        const QByteArray entry = ReadFile(data + "/applications/corvel.desktop");
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        const QByteArray exec =
            "Exec=\"" + QFile::encodeName(dir.path()) + "/a \\\\\"b\\\\\" \\\\$c 100%%/qv\" %f";
        QVERIFY2(entry.contains(exec), entry.constData());
        QVERIFY(entry.contains("MimeType=application/x-corvel-project;"));
        const QByteArray mime = ReadFile(data + "/mime/packages/corvel-project.xml");
        QVERIFY(mime.contains("<glob pattern=\"*.cgp\"/>"));
        QVERIFY(mime.contains("type=\"application/x-corvel-project\""));
        QVERIFY(ReadFile(data + "/icons/hicolor/scalable/apps/corvel.svg").startsWith("<svg"));
        // The escaped program reads back as the program: nothing to redo.
        QCOMPARE(d.InstallWhenMissing(), QStringList());
    }

    void followsXdgDataHome()
    {
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        const CDesktopIntegration d = CDesktopIntegration::ForRunningProgram();
        QCOMPARE(d.DesktopEntryPath(), dir.path() + "/applications/corvel.desktop");
        QCOMPARE(d.MimePackagePath(), dir.path() + "/mime/packages/corvel-project.xml");
    }

    void unwritableDataFolderIsNoError()
    {
        QTemporaryDir dir;
        WriteFile(dir.path() + "/data", "a file where the folder should be");
        CDesktopIntegration d(dir.path() + "/qv", QString(), dir.path() + "/data");
        d.SetRunTools(false);
        QCOMPARE(d.InstallWhenMissing(), QStringList());
    }
};

QTEST_MAIN(TestDesktopIntegration)
#include "test_desktop_integration.moc"
