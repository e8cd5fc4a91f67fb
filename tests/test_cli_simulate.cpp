// qv-cli simulate on the example project: inputs in command-line order, a
// script with its expectations and exit statuses, the frame as a PNG, and an
// image that cannot be read.
#include "TestSupport.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString example(const QTemporaryDir& dir)
{
    const QString pkg = dir.path() + QStringLiteral("/Example.cgp");
    QFile::copy(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"), pkg);
    return pkg;
}

int simulate(const QStringList& args, QByteArray* err = nullptr)
{
    QByteArray out, e;
    const int rc = TestSupport::Run(TestSupport::QvCli(),
                                    QStringList{QStringLiteral("simulate")} + args, &out, &e);
    if (err)
        *err = e;
    return rc;
}

} // namespace

class TestCliSimulate : public QObject
{
    Q_OBJECT
private slots:
    void scriptDrivesTheExample()
    {
        QTemporaryDir dir;
        const QString pkg = example(dir);
        const QString frame2 = dir.path() + QStringLiteral("/screen2.png");
        const QString script = dir.path() + QStringLiteral("/tank.txt");
        // The set point key asks for the option password; the level is
        // written by the PLC; F1 goes back home.
        QVERIFY(TestSupport::WriteFile(script, QStringLiteral("# the tank screen\n"
                                                              "expect screen 1\n"
                                                              "press F1\n"
                                                              "release F1\n"
                                                              "expect screen 2\n"
                                                              "set R2012 500\n"
                                                              "expect register DEV001.R2012 500\n"
                                                              "press F2\n"
                                                              "password 11111111\n"
                                                              "release F2\n"
                                                              "expect register R2013 0\n"
                                                              "press F2\n"
                                                              "password 36093609\n"
                                                              "release F2\n"
                                                              "expect register R2013 750\n"
                                                              "frame %1\n"
                                                              "wait 100\n")
                                                   .arg(frame2)
                                                   .toUtf8()));
        const QString out = dir.path() + QStringLiteral("/end.png");
        QByteArray err;
        QCOMPARE(simulate({pkg, QStringLiteral("--script"), script, QStringLiteral("-o"), out,
                           QStringLiteral("--scale"), QStringLiteral("2")},
                          &err),
                 0);
        QVERIFY2(err.isEmpty(), err.constData());
        const QImage shot(frame2);
        QCOMPARE(shot.size(), QSize(384, 128));
        QCOMPARE(QImage(out), shot); // nothing changed after the frame

        // The same through options, in command-line order.
        const QString viaOptions = dir.path() + QStringLiteral("/options.png");
        QCOMPARE(simulate({pkg, QStringLiteral("--press"), QStringLiteral("F1"),
                           QStringLiteral("--set"), QStringLiteral("R2012=500"),
                           QStringLiteral("--ticks"), QStringLiteral("100"), QStringLiteral("-o"),
                           viaOptions, QStringLiteral("--scale"), QStringLiteral("2")}),
                 0);
        QImage a(viaOptions), b(frame2);
        QCOMPARE(a.size(), b.size());
        // Only the set point differs: the options never pressed F2.
        QVERIFY(a != b);
    }

    void expectationsAndErrors()
    {
        QTemporaryDir dir;
        const QString pkg = example(dir);
        const QString out = dir.path() + QStringLiteral("/f.png");
        const QString script = dir.path() + QStringLiteral("/s.txt");
        QByteArray err;

        QVERIFY(
            TestSupport::WriteFile(script, QByteArray("press F1\nrelease F1\nexpect screen 3\n")));
        QCOMPARE(
            simulate({pkg, QStringLiteral("--script"), script, QStringLiteral("-o"), out}, &err),
            1);
        QVERIFY2(err.contains("s.txt:3:") && err.contains("screen 2 shows, expected 3"),
                 err.constData());

        QVERIFY(TestSupport::WriteFile(script, QByteArray("set M12 on\nexpect coil M12 off\n")));
        QCOMPARE(
            simulate({pkg, QStringLiteral("--script"), script, QStringLiteral("-o"), out}, &err),
            1);
        QVERIFY2(err.contains("s.txt:2:"), err.constData());

        for (const QByteArray& bad :
             {QByteArray("press F9\n"), QByteArray("set X1 5\n"), QByteArray("set R2012 lots\n"),
              QByteArray("jump 3\n"), QByteArray("wait -5\n"), QByteArray("set NODEV.R2012 1\n")}) {
            QVERIFY(TestSupport::WriteFile(script, bad));
            QCOMPARE(simulate({pkg, QStringLiteral("--script"), script, QStringLiteral("-o"), out},
                              &err),
                     2);
            QVERIFY2(err.contains("s.txt:1:"), err.constData());
        }
        QCOMPARE(simulate({pkg}), 2); // no -o
        QCOMPARE(simulate({pkg, QStringLiteral("-o"), out, QStringLiteral("--scale"),
                           QStringLiteral("0")}),
                 2);
        QCOMPARE(simulate({pkg, QStringLiteral("-o"), out, QStringLiteral("--set"),
                           QStringLiteral("R1")}),
                 2);

        // An image cut short cannot be read; nothing is written.
        const QString image = dir.path() + QStringLiteral("/image.bin");
        QCOMPARE(TestSupport::Run(TestSupport::QvCli(),
                                  {QStringLiteral("compile"), pkg, QStringLiteral("-o"), image}),
                 0);
        const QByteArray bytes = TestSupport::ReadFile(image);
        QVERIFY(TestSupport::WriteFile(image, bytes.left(bytes.size() / 2)));
        QFile::remove(out);
        QCOMPARE(simulate({image, QStringLiteral("-o"), out}, &err), 3);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(simulate({dir.path() + QStringLiteral("/missing.cgp"), QStringLiteral("-o"), out}),
                 3);

        // The whole image runs as well as the package, with device names
        // made from the station numbers.
        QVERIFY(TestSupport::WriteFile(image, bytes));
        QVERIFY(TestSupport::WriteFile(
            script, QByteArray("set DEV002.R2004 2\nexpect register DEV002.R2004 2\n"
                               "expect register R2004 0\n")));
        QCOMPARE(
            simulate({image, QStringLiteral("--script"), script, QStringLiteral("-o"), out}, &err),
            0);
        QVERIFY(QImage(out).size() == QSize(192 * 4, 64 * 4));
    }

    // qv-panel --display shows the image that a download leaves: Qt must not
    // take the option for its own, and the download's last block is padded.
    void virtualPanelWithDisplay()
    {
        QTemporaryDir dir;
        const QString pkg = example(dir);
        QProcess panel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        panel.setProcessEnvironment(env);
        panel.start(QStringLiteral(QV_BIN_DIR "/qv-panel"), {QStringLiteral("--display")});
        QVERIFY(panel.waitForStarted());
        QVERIFY(panel.waitForReadyRead(10000));
        const QString port = QString::fromUtf8(panel.readLine()).trimmed();
        QVERIFY2(port.startsWith(QStringLiteral("/dev/")), qPrintable(port));
        QCOMPARE(TestSupport::Run(TestSupport::QvCli(), {QStringLiteral("download"), pkg,
                                                         QStringLiteral("--port"), port}),
                 0);
        QTest::qWait(600); // the display looks for a new image five times a second
        panel.terminate();
        QVERIFY(panel.waitForFinished(10000));
        QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(panel.exitCode(), 0);
        const QByteArray err = panel.readAllStandardError();
        QVERIFY2(!err.contains("cannot be shown"), err.constData());
    }
};

QTEST_MAIN(TestCliSimulate)
#include "test_cli_simulate.moc"
