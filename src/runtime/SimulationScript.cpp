#include "SimulationScript.h"
#include "PanelReference.h"
#include "PanelSimulator.h"

#include <QRegularExpression>

#include <cstring>

namespace {

// A typed value as the 32 bits it writes; `wide` when it needs two registers.
bool parseValue(const QString& text, quint32* bits, bool* wide)
{
    bool ok = false;
    if (text.contains(QLatin1Char('.'))) {
        const float f = text.toFloat(&ok);
        if (!ok)
            return false;
        std::memcpy(bits, &f, sizeof f);
        *wide = true;
        return true;
    }
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const qulonglong v = text.mid(2).toULongLong(&ok, 16);
        if (!ok || v > 0xFFFFFFFFull)
            return false;
        *bits = quint32(v);
        *wide = v > 0xFFFF;
        return true;
    }
    const qlonglong v = text.toLongLong(&ok, 10);
    if (!ok || v < -2147483648LL || v > 0xFFFFFFFFLL)
        return false;
    *bits = quint32(v);
    *wide = v < -32768 || v > 0xFFFF;
    return true;
}

bool parseCoilValue(const QString& text, bool* on)
{
    const QString t = text.toLower();
    if (t == QLatin1String("on") || t == QLatin1String("1") || t == QLatin1String("true"))
        *on = true;
    else if (t == QLatin1String("off") || t == QLatin1String("0") || t == QLatin1String("false"))
        *on = false;
    else
        return false;
    return true;
}

} // namespace

CSimulationScript::CSimulationScript(CPanelSimulator& panel, QHash<QString, int> stations,
                                     int firstStation)
    : panel_(panel),
      stations_(std::move(stations)),
      firstStation_(firstStation)
{}

QHash<QString, int> CSimulationScript::StationNames(const RuntimeImage& image)
{
    QHash<QString, int> names;
    for (const RuntimeDevice& d : image.comm.devices)
        names.insert(QStringLiteral("DEV%1").arg(d.Station(), 3, 10, QLatin1Char('0')),
                     d.Station());
    return names;
}

bool CSimulationScript::ParseRegister(const QString& text, RuntimeRegister* reg, bool* coil,
                                      QString* error) const
{
    QString device;
    QString address = text;
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        device = text.left(dot);
        address = text.mid(dot + 1);
    }
    int station = firstStation_;
    if (!device.isEmpty()) {
        const auto it = stations_.constFind(device);
        if (it == stations_.constEnd()) {
            *error = QStringLiteral("no device %1").arg(device);
            return false;
        }
        station = *it;
    }
    quint16 panelAddress = 0;
    if (!ParsePanelAddressText(address, &panelAddress, coil)) {
        *error = QStringLiteral("%1 is no register or coil").arg(text);
        return false;
    }
    reg->device = quint8(station);
    reg->address = panelAddress;
    return true;
}

bool CSimulationScript::twoRegisters(RuntimeRegister reg, const QString& value) const
{
    quint32 bits = 0;
    bool wide = false;
    if (parseValue(value, &bits, &wide) && wide)
        return true;
    for (const PanelReference& r : panel_.References())
        if (!r.coil && r.reg == reg)
            return r.words == 2 || r.format.isFloat || r.format.twoRegisters;
    return false;
}

bool CSimulationScript::Set(const QString& ref, const QString& value, QString* error)
{
    RuntimeRegister reg;
    bool coil = false;
    if (!ParseRegister(ref, &reg, &coil, error))
        return false;
    if (coil) {
        bool on = false;
        if (!parseCoilValue(value, &on)) {
            *error = QStringLiteral("%1 is no coil state (on or off)").arg(value);
            return false;
        }
        panel_.PlcWriteCoil(reg, on);
        return true;
    }
    quint32 bits = 0;
    bool wide = false;
    if (!parseValue(value, &bits, &wide)) {
        *error = QStringLiteral("%1 is no value").arg(value);
        return false;
    }
    if (twoRegisters(reg, value))
        panel_.PlcWriteDWord(reg, bits);
    else
        panel_.PlcWriteWord(reg, quint16(bits));
    return true;
}

bool CSimulationScript::keyNumber(const QString& key, int* n, QString* error) const
{
    static const QRegularExpression re(QStringLiteral("^[Ff]([1-5])$"));
    const auto m = re.match(key);
    if (!m.hasMatch()) {
        *error = QStringLiteral("%1 is no key (F1 to F5)").arg(key);
        return false;
    }
    *n = m.captured(1).toInt();
    return true;
}

bool CSimulationScript::Press(const QString& key, QString* error)
{
    int n = 0;
    if (!keyNumber(key, &n, error))
        return false;
    panel_.PressKey(n);
    answerPassword();
    return true;
}

bool CSimulationScript::Release(const QString& key, QString* error)
{
    int n = 0;
    if (!keyNumber(key, &n, error))
        return false;
    panel_.ReleaseKey(n);
    return true;
}

void CSimulationScript::Wait(int ms)
{
    panel_.Advance(ms);
}

void CSimulationScript::Password(const QString& digits)
{
    password_ = digits;
    answerPassword();
}

void CSimulationScript::answerPassword()
{
    if (password_.isNull() || !panel_.PasswordPending())
        return;
    const QString digits = password_;
    password_ = QString();
    panel_.EnterPassword(digits);
}

CSimulationScript::Result CSimulationScript::Step(const QString& line, QString* message)
{
    const QString text = line.trimmed();
    if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
        return Result::Done;
    const QStringList w = text.split(QRegularExpression(QStringLiteral("\\s+")));
    const QString& verb = w[0];
    auto wants = [&](qsizetype n) {
        if (w.size() == n)
            return true;
        *message = QStringLiteral("'%1' takes %2 word(s)").arg(verb).arg(n - 1);
        return false;
    };
    if (verb == QLatin1String("set")) {
        if (!wants(3) || !Set(w[1], w[2], message))
            return Result::Error;
    } else if (verb == QLatin1String("press")) {
        if (!wants(2) || !Press(w[1], message))
            return Result::Error;
    } else if (verb == QLatin1String("release")) {
        if (!wants(2) || !Release(w[1], message))
            return Result::Error;
    } else if (verb == QLatin1String("wait")) {
        bool ok = false;
        const int ms = wants(2) ? w[1].toInt(&ok) : 0;
        if (!ok || ms < 0) {
            if (message->isEmpty())
                *message = QStringLiteral("%1 is no number of milliseconds").arg(w.value(1));
            return Result::Error;
        }
        Wait(ms);
    } else if (verb == QLatin1String("password")) {
        if (!wants(2))
            return Result::Error;
        Password(w[1]);
    } else if (verb == QLatin1String("frame")) {
        if (!wants(2))
            return Result::Error;
        if (!writeFrame || !writeFrame(w[1], message)) {
            if (message->isEmpty())
                *message = QStringLiteral("cannot write %1").arg(w[1]);
            return Result::Error;
        }
    } else if (verb == QLatin1String("expect") && w.size() >= 2) {
        return expect(w, message);
    } else {
        *message = QStringLiteral("unknown step '%1'").arg(verb);
        return Result::Error;
    }
    return Result::Done;
}

CSimulationScript::Result CSimulationScript::expect(const QStringList& w, QString* message)
{
    const QString& what = w[1];
    if (what == QLatin1String("screen") && w.size() == 3) {
        bool ok = false;
        const int n = w[2].toInt(&ok);
        if (!ok) {
            *message = QStringLiteral("%1 is no screen number").arg(w[2]);
            return Result::Error;
        }
        if (panel_.CurrentScreen() != n) {
            *message =
                QStringLiteral("screen %1 shows, expected %2").arg(panel_.CurrentScreen()).arg(n);
            return Result::Unmet;
        }
        return Result::Done;
    }
    if ((what == QLatin1String("coil") || what == QLatin1String("register")) && w.size() == 4) {
        RuntimeRegister reg;
        bool coil = false;
        if (!ParseRegister(w[2], &reg, &coil, message))
            return Result::Error;
        if (coil != (what == QLatin1String("coil"))) {
            *message = QStringLiteral("%1 is no %2").arg(w[2], what);
            return Result::Error;
        }
        if (coil) {
            bool on = false;
            if (!parseCoilValue(w[3], &on)) {
                *message = QStringLiteral("%1 is no coil state (on or off)").arg(w[3]);
                return Result::Error;
            }
            const bool is = panel_.Memory().Coil(reg);
            if (is != on) {
                *message = QStringLiteral("coil %1 is %2, expected %3")
                               .arg(w[2], is ? QStringLiteral("on") : QStringLiteral("off"), w[3]);
                return Result::Unmet;
            }
            return Result::Done;
        }
        quint32 bits = 0;
        bool wide = false;
        if (!parseValue(w[3], &bits, &wide)) {
            *message = QStringLiteral("%1 is no value").arg(w[3]);
            return Result::Error;
        }
        const bool two = twoRegisters(reg, w[3]);
        const quint32 is = two ? panel_.Memory().DWord(reg) : panel_.Memory().Word(reg);
        const quint32 want = two ? bits : (bits & 0xFFFF);
        if (is != want) {
            *message = QStringLiteral("register %1 is %2, expected %3").arg(w[2]).arg(is).arg(w[3]);
            return Result::Unmet;
        }
        return Result::Done;
    }
    *message = QStringLiteral("unknown expectation '%1'").arg(w.mid(1).join(QLatin1Char(' ')));
    return Result::Error;
}

CSimulationScript::Result CSimulationScript::Run(const QStringList& lines, int* lineNumber,
                                                 QString* message)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        message->clear();
        const Result r = Step(lines[i], message);
        if (r != Result::Done) {
            *lineNumber = int(i + 1);
            return r;
        }
    }
    return Result::Done;
}
