// qv-cli compile on real packages: the Output-pane lines on stdout, the
// runtime image and the dump, and an unreadable project.
#include "TestSupport.h"

#include <QDir>
#include <QtTest>

class TestCliCompile : public QObject
{
    Q_OBJECT
private slots:
    void compileNewProject();
    void unreadableProject();
};

void TestCliCompile::compileNewProject()
{
    QTemporaryDir dir;
    const QString pkg = dir.path() + QStringLiteral("/demo.cgp");
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(), {QStringLiteral("new"), pkg}), 0);
    QByteArray out, err;
    const QString image = dir.path() + QStringLiteral("/image.bin");
    const QString dump = dir.path() + QStringLiteral("/dump");
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(),
                              {QStringLiteral("compile"), pkg, QStringLiteral("-o"), image,
                               QStringLiteral("--dump"), dump},
                              &out, &err),
             0);
    QCOMPARE(
        QString::fromUtf8(out),
        QStringLiteral("----------Compiling----------\n"
                       "demo.cgp - #1 Screen 1\n"
                       "  Warning: [demo.cgp - #1 Screen 1] ----> 'Next Screen Number:'2 is not "
                       "within range\n"
                       "Project data\n"
                       "demo.cgp - 0 error(s), 1 warning(s)\n"));
    const QByteArray rt = TestSupport::ReadFile(image);
    QCOMPARE(rt.size(), 55 + (16 + 6 + 111) + 16 + 16 + 16 + 63);
    QCOMPARE(TestSupport::ReadFile(dump + QStringLiteral("/Compiler.bin")), rt);
    QByteArray joined;
    for (const char* f : {"CompilerPrj.bin", "CompilerScn.bin", "CompilerArm.bin",
                          "CompilerHZK.bin", "CompilerBMP.bin", "CompilerComm.bin"})
        joined += TestSupport::ReadFile(dump + QLatin1Char('/') + QLatin1String(f));
    QCOMPARE(joined, rt);
}

void TestCliCompile::unreadableProject()
{
    QTemporaryDir dir;
    const QString pkg = dir.path() + QStringLiteral("/broken.cgp");
    QVERIFY(TestSupport::WriteFile(pkg, QByteArray("PK\x03\x04 not a zip", 15)));
    const QString image = dir.path() + QStringLiteral("/image.bin");
    QByteArray out, err;
    const int rc =
        TestSupport::Run(TestSupport::QvCli(),
                         {QStringLiteral("compile"), pkg, QStringLiteral("-o"), image}, &out, &err);
    QVERIFY(rc != 0 && rc != -1);
    QVERIFY(
        QString::fromUtf8(err).contains(QStringLiteral("Error GUI-004 : This file can't open")));
    QVERIFY(!QFile::exists(image));
    QVERIFY(out.isEmpty());
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(), {QStringLiteral("compile")}), 2);
}

QTEST_MAIN(TestCliCompile)
#include "test_cli_compile.moc"
