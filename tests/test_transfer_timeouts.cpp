// The engine's waits: a silent panel at each step of each operation, no
// handshake at all, and a panel that hangs up in the middle. Each wait
// costs its full 800 ms or 5 s, so each step is tested once.
#include "PanelFixture.h"
#include "transfer/PackedPassword.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

using namespace PanelFixture;

namespace {

QString Nl(const char* code)
{
    return QString::fromLatin1(code) + QStringLiteral("\n\n");
}

void RunSilence(const QString& fault, int operation, int code, const QString& message)
{
    QTemporaryDir store;
    CPanelStore(store.path()).Save(MakeImage(128), PackedPassword::Pack(QStringLiteral("5281")), 1);
    VirtualPanelOptions o = WithFault(fault);
    o.storeDir = store.path();
    auto panel = StartPanel(o);
    QVERIFY(panel);
    CTestProgramFolder f;
    f.App().runtimeImage = MakeImage(150);
    QElapsedTimer t;
    t.start();
    QCOMPARE(Run(f.App(), operation, panel->DevicePath(), 1,
                 PackedPassword::Pack(QStringLiteral("5281"))),
             code);
    QVERIFY2(t.elapsed() >= 4900, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(f.MessageTexts(), QStringList{message});
    QCOMPARE(f.App().stopFlag.load(), 1);
}

} // namespace

class TestTransferTimeouts : public QObject
{
    Q_OBJECT
private slots:
    void noHandshake()
    {
        auto panel = StartPanel(WithFault(QStringLiteral("silence@handshake:0")));
        QVERIFY(panel);
        CTestProgramFolder f;
        f.App().runtimeImage = MakeImage(100);
        QElapsedTimer t;
        t.start();
        QCOMPARE(Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_NO_HANDSHAKE));
        QVERIFY(t.elapsed() >= 15 * 800 - 50);
        QCOMPARE(f.MessageTexts(),
                 QStringList{Nl("PTC001:") + "Download runtime file fail.Can't get handshake."});
    }

    void downloadTimeouts_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("step");
        QTest::newRow("1") << "silence@dl1" << 1;
        QTest::newRow("2") << "silence@dl2" << 2;
        QTest::newRow("3") << "silence@dl3" << 3;
        QTest::newRow("4") << "silence@dl4:2" << 4;
        QTest::newRow("5") << "silence@dl5" << 5;
        QTest::newRow("hang-up") << "hangup@dl4:2" << 4;
    }

    void downloadTimeouts()
    {
        QFETCH(QString, fault);
        QFETCH(int, step);
        RunSilence(
            fault, TO_DOWNLOAD, 0x4000 + step,
            Nl("PTC008:")
                + QStringLiteral("Download runtime file fail.Receive timeout. (%1)").arg(step));
    }

    void informationAndUploadTimeouts_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("step");
        QTest::newRow("info") << "silence@info" << int(TO_GET_INFORMATION) << 0;
        QTest::newRow("info-end") << "silence@info-end" << int(TO_GET_INFORMATION) << 0;
        QTest::newRow("up-password") << "silence@up-password" << int(TO_UPLOAD) << 6;
        QTest::newRow("up-count") << "silence@up-count" << int(TO_UPLOAD) << 6;
        QTest::newRow("up-block") << "silence@up-block:2" << int(TO_UPLOAD) << 6;
        QTest::newRow("up-check") << "silence@up-check" << int(TO_UPLOAD) << 6;
        QTest::newRow("up-end") << "silence@up-end" << int(TO_UPLOAD) << 10;
    }

    void informationAndUploadTimeouts()
    {
        QFETCH(QString, fault);
        QFETCH(int, operation);
        QFETCH(int, step);
        const QString name = CTransfer::OperationName(operation);
        RunSilence(fault, operation, 0x4000 + step,
                   Nl("PTC008:") + name + QStringLiteral(" fail.Receive timeout. (%1)").arg(step));
    }
};

QTEST_GUILESS_MAIN(TestTransferTimeouts)
#include "test_transfer_timeouts.moc"
