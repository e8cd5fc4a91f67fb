// The serial link over real pseudo-terminals: open and its failures, the
// exclusive open, and the timed read's exact semantics.
#include "PanelPty.h"
#include "transfer/DevSerial.h"

#include <QElapsedTimer>
#include <QTest>
#include <QFile>
#include <QDir>
#include <QTemporaryDir>

#include <termios.h>
#include <thread>

namespace {

// A link whose tick count stands just before the 32-bit wrap.
class CWrappingSerial : public CDevSerial
{
public:
    uint32_t bias = 0;
    uint32_t TickCount() const override { return CDevSerial::TickCount() + bias; }
};

bool OpenOn(CDevSerial& link, const QString& port)
{
    link.SetLinkParams(port, 38400, 8, 1, 0);
    return link.OpenConnection() == 1;
}

} // namespace

class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void openAndClose()
    {
        CPanelPty pty;
        QVERIFY(pty.Open());
        CDevSerial link;
        link.SetLinkParams(QString(), 38400, 8, 1, 0);
        QCOMPARE(link.OpenConnection(), 0);
        QVERIFY(!OpenOn(link, QStringLiteral("/dev/pts/no-such-terminal")));
        QVERIFY(!link.IsConnected());
        QCOMPARE(link.CloseConnection(), 0);

        // A pseudo-terminal refuses the RTS request; the open still succeeds.
        QVERIFY(OpenOn(link, pty.DevicePath()));
        QVERIFY(link.IsConnected());
        // Exclusive: a second link cannot open the port while it is open.
        CDevSerial second;
        QVERIFY(!OpenOn(second, pty.DevicePath()));
        QCOMPARE(link.CloseConnection(), 1);
        QVERIFY(!link.IsConnected());
        // Opened again after the close, by the other link too.
        QVERIFY(OpenOn(second, pty.DevicePath()));
        QCOMPARE(second.CloseConnection(), 1);
        QVERIFY(OpenOn(link, pty.DevicePath()));
        link.CloseConnection();

        // A relative path (a link beside the user) is a path, not a name under /dev.
        QTemporaryDir dir;
        QVERIFY(QFile::link(pty.DevicePath(), dir.filePath(QStringLiteral("ttyRU03"))));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const bool opened = OpenOn(link, QStringLiteral("./ttyRU03"));
        QDir::setCurrent(before);
        QVERIFY(opened);
        link.CloseConnection();
    }

    void lineSettings()
    {
        CPanelPty pty;
        QVERIFY(pty.Open());
        CDevSerial link;
        QVERIFY(OpenOn(link, pty.DevicePath()));
        termios t{};
        QVERIFY(pty.LineSettings(&t));
        // 38400 baud, 8 data bits, odd parity, one stop bit, no flow control.
        QCOMPARE(cfgetospeed(&t), speed_t(B38400));
        QCOMPARE(cfgetispeed(&t), speed_t(B38400));
        // A pseudo-terminal forces 8 bits and drops the parity-enable bit
        // itself; the odd sense of the parity stays as the link set it.
        QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(t.c_cflag & PARODD, tcflag_t(PARODD));
        QCOMPARE(t.c_cflag & CSTOPB, tcflag_t(0));
        QCOMPARE(t.c_cflag & CRTSCTS, tcflag_t(0));
        QCOMPARE(t.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));
        // Raw: no line editing, echo, translation or output processing.
        QCOMPARE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), tcflag_t(0));
        QCOMPARE(t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP), tcflag_t(0));
        QCOMPARE(t.c_oflag & OPOST, tcflag_t(0));
        link.CloseConnection();
    }

    void writeAndRead()
    {
        CPanelPty pty;
        QVERIFY(pty.Open());
        CDevSerial link;
        QVERIFY(OpenOn(link, pty.DevicePath()));
        QCOMPARE(link.WriteCom("LB", 2), 2);
        uint8_t got[2] = {};
        QVERIFY(pty.Read(got, 2, 1000));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(got), 2), QByteArray("LB"));
        // Every byte value passes unchanged (raw 8-bit mode).
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QCOMPARE(link.WriteCom(all.constData(), 256), 256);
        QByteArray back(256, '\0');
        QVERIFY(pty.Read(reinterpret_cast<uint8_t*>(back.data()), 256, 1000));
        QCOMPARE(back, all);
        QVERIFY(pty.Write(all));
        QByteArray in(256, '\0');
        QCOMPARE(link.ReadComWait(in.data(), 256, 2000), 256);
        QCOMPARE(in, all);
        QCOMPARE(link.GetInQueue(), 0);
        link.CloseConnection();
    }

    void timedReadTakesWholeRepliesOnly()
    {
        CPanelPty pty;
        QVERIFY(pty.Open());
        CDevSerial link;
        QVERIFY(OpenOn(link, pty.DevicePath()));
        char buf[8] = {};

        // Two of three bytes before the deadline: nothing is consumed.
        QVERIFY(pty.Write(QByteArray("ZY")));
        QCOMPARE(link.ReadComWait(buf, 3, 200), 0);
        QCOMPARE(link.GetInQueue(), 2);
        // The rest arrives: the next read takes the reply whole.
        QVERIFY(pty.Write(QByteArray("L")));
        QCOMPARE(link.ReadComWait(buf, 3, 1000), 3);
        QCOMPARE(QByteArray(buf, 3), QByteArray("ZYL"));

        // A reply in pieces is returned as soon as it is whole, not at the deadline.
        std::thread writer([&] {
            pty.Write(QByteArray("O"));
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            pty.Write(QByteArray("K"));
        });
        QElapsedTimer t;
        t.start();
        QCOMPARE(link.ReadComWait(buf, 2, 3000), 2);
        const qint64 took = t.elapsed();
        writer.join();
        QCOMPARE(QByteArray(buf, 2), QByteArray("OK"));
        QVERIFY2(took >= 50 && took < 1000, qPrintable(QString::number(took)));

        // More than asked stays for the next read.
        QVERIFY(pty.Write(QByteArray("ENDOK")));
        QCOMPARE(link.ReadComWait(buf, 3, 1000), 3);
        QCOMPARE(QByteArray(buf, 3), QByteArray("END"));
        QCOMPARE(link.ReadComWait(buf, 2, 1000), 2);
        QCOMPARE(QByteArray(buf, 2), QByteArray("OK"));
        link.CloseConnection();
    }

    void timeoutAcrossTheTickWrap()
    {
        CWrappingSerial link;
        link.bias = 0xFFFFFFFFu - link.CDevSerial::TickCount() - 300; // wraps in 300 ms
        link.SetTimeout(800);
        QVERIFY(!link.IsTimeout());
        link.SetTimeout(0);
        QVERIFY(link.IsTimeout());

        CPanelPty pty;
        QVERIFY(pty.Open());
        QVERIFY(OpenOn(link, pty.DevicePath()));
        char buf[3];
        QElapsedTimer t;
        t.start();
        QCOMPARE(link.ReadComWait(buf, 3, 800), 0);
        const qint64 took = t.elapsed();
        QVERIFY2(took >= 790 && took < 1500, qPrintable(QString::number(took)));
        link.CloseConnection();
    }

    void lineGoesDown()
    {
        auto pty = std::make_unique<CPanelPty>();
        QVERIFY(pty->Open());
        CDevSerial link;
        QVERIFY(OpenOn(link, pty->DevicePath()));
        QVERIFY(pty->Write(QByteArray("Z")));
        char buf[3];
        QCOMPARE(link.ReadComWait(buf, 1, 1000), 1);
        pty.reset(); // the panel's end closes
        // A write to a line that is down sends less than asked; a timed read
        // ends at its deadline; the port still closes.
        QVERIFY(link.WriteCom("LB", 2) < 2);
        QElapsedTimer t;
        t.start();
        QCOMPARE(link.ReadComWait(buf, 3, 300), 0);
        QVERIFY(t.elapsed() < 1000);
        QCOMPARE(link.CloseConnection(), 1);
    }

    void portList()
    {
        QStringList ports{QStringLiteral("stale")};
        CDevSerial::EnumSerialPorts(ports);
        QVERIFY(!ports.contains(QStringLiteral("stale")));
        for (const QString& p : ports)
            QVERIFY(!p.isEmpty() && !p.startsWith(QLatin1Char('/')));
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
