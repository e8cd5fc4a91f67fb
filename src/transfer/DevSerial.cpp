#include "DevSerial.h"

#include <QFileInfo>

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>

#include <algorithm>

namespace {

constexpr qint64 kQueueSize = 4096;

QSerialPort::Parity ParityOf(uint8_t code)
{
    switch (code) {
    case 0: return QSerialPort::NoParity;
    case 2: return QSerialPort::EvenParity;
    case 3: return QSerialPort::MarkParity;
    case 4: return QSerialPort::SpaceParity;
    default: return QSerialPort::OddParity;
    }
}

QSerialPort::StopBits StopBitsOf(uint8_t code)
{
    switch (code) {
    case 1: return QSerialPort::OneAndHalfStop;
    case 2: return QSerialPort::TwoStop;
    default: return QSerialPort::OneStop;
    }
}

} // namespace

CDevSerial::CDevSerial() : m_strPort(QStringLiteral("COM%1").arg(1)) {}

CDevSerial::~CDevSerial() = default;

void CDevSerial::SetLinkParams(const QString& port, uint32_t baud, uint8_t dataBits, uint8_t parity,
                               uint8_t stopBits)
{
    m_strPort = port;
    m_nBaud = baud;
    m_byDataBits = dataBits;
    m_byParity = parity;
    m_byStopBits = stopBits;
}

int CDevSerial::OpenConnection()
{
    m_bConnected = 0;
    if (m_strPort.isEmpty())
        return 0;
    // A plain name (ttyUSB0) is looked up under /dev; a path is taken as it
    // is, a relative one from the current folder.
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(m_strPort.contains(QLatin1Char('/')) ? QFileInfo(m_strPort).absoluteFilePath()
                                                           : m_strPort);
    port->setReadBufferSize(kQueueSize);
    // A port that another program is just releasing is still locked for a
    // moment after its device closed: a refused lock is tried again briefly.
    bool opened = port->open(QIODevice::ReadWrite);
    for (int retry = 0; !opened && retry < 5 && port->error() == QSerialPort::PermissionError;
         ++retry) {
        QThread::msleep(20);
        port->clearError();
        opened = port->open(QIODevice::ReadWrite);
    }
    if (!opened) {
        if (qEnvironmentVariableIsSet("QV_SERIAL_TRACE"))
            qWarning("OpenConnection %s: %s", qPrintable(m_strPort),
                     qPrintable(port->errorString()));
        return 0;
    }
    bool ok =
        port->setBaudRate(qint32(m_nBaud)) && port->setDataBits(QSerialPort::DataBits(m_byDataBits))
        && port->setParity(ParityOf(m_byParity)) && port->setStopBits(StopBitsOf(m_byStopBits))
        && port->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        port->close();
        return 0;
    }
    // RTS off where the device has the line; a pseudo-terminal has none and
    // refuses the request, which is no reason to fail.
    port->setRequestToSend(false);
    port->clearError();
    m_hCom = std::move(port);
    m_bConnected = 1;
    return 1;
}

int CDevSerial::CloseConnection()
{
    if (!m_hCom)
        return 0;
    m_hCom->close();
    m_hCom.reset();
    m_bConnected = 0;
    return 1;
}

void CDevSerial::ClearCommError()
{
    if (m_hCom)
        m_hCom->clearError();
}

int CDevSerial::WriteCom(const void* bytes, int n)
{
    if (!m_hCom || n <= 0)
        return 0;
    qint64 queued = m_hCom->write(static_cast<const char*>(bytes), n);
    if (queued < 0) {
        ClearCommError();
        return 0;
    }
    // The write is done when the bytes have left for the device, within the
    // total write timeout of 50 ms a byte plus 2 s.
    QElapsedTimer timer;
    timer.start();
    const qint64 limit = 50LL * n + 2000;
    while (m_hCom->bytesToWrite() > 0) {
        qint64 left = limit - timer.elapsed();
        if (left <= 0 || !m_hCom->waitForBytesWritten(int(left)))
            break;
    }
    qint64 unsent = m_hCom->bytesToWrite();
    if (unsent > 0) {
        // Drop what was not sent so that a later write starts clean.
        ClearCommError();
        m_hCom->clear(QSerialPort::Output);
    }
    return int(queued - std::min(unsent, queued));
}

int CDevSerial::ReadCom(void* bytes, int n)
{
    if (!m_hCom || n <= 0)
        return 0;
    if (m_hCom->bytesAvailable() < n) {
        m_hCom->waitForReadyRead(0);
        m_hCom->clearError(); // "nothing more yet" is no error
    }
    qint64 got = m_hCom->read(static_cast<char*>(bytes), n);
    if (got < 0) {
        ClearCommError();
        return 0;
    }
    return int(got);
}

int CDevSerial::GetInQueue()
{
    if (!m_hCom)
        return 0;
    // Takes in whatever the driver holds, without waiting.
    if (m_hCom->bytesAvailable() < kQueueSize)
        m_hCom->waitForReadyRead(0);
    ClearCommError();
    return int(m_hCom->bytesAvailable());
}

uint32_t CDevSerial::TickCount() const
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return uint32_t(clock.elapsed());
}

void CDevSerial::SetTimeout(uint32_t ms)
{
    m_dwDeadline = TickCount() + ms;
}

bool CDevSerial::IsTimeout() const
{
    return int32_t(m_dwDeadline - TickCount()) <= 0;
}

int CDevSerial::ReadComWait(void* bytes, int n, uint32_t timeoutMs)
{
    SetTimeout(timeoutMs);
    while (GetInQueue() < n) {
        if (IsTimeout() || !m_hCom)
            return 0;
        int left = int(int32_t(m_dwDeadline - TickCount()));
        if (left <= 0)
            continue;
        // Sleeps until bytes arrive (or the deadline); a line that reports
        // an error at once (a hung-up device) is looked at every 10 ms.
        if (!m_hCom->waitForReadyRead(left)) {
            QSerialPort::SerialPortError e = m_hCom->error();
            if (e != QSerialPort::NoError && e != QSerialPort::TimeoutError) {
                ClearCommError();
                QThread::msleep(std::min(left, 10));
            }
            m_hCom->clearError();
        }
    }
    return ReadCom(bytes, n);
}

void CDevSerial::EnumSerialPorts(QStringList& list)
{
    list.clear();
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports)
        list.append(info.portName());
}
