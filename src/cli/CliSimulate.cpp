#include "CliCommand.h"
#include "CliSession.h"
#include "app/CompileProject.h"
#include "app/ProjectStorage.h"
#include "runtime/PanelFrame.h"
#include "runtime/PanelSimulator.h"
#include "runtime/SimulationScript.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace {

const char* kUsage =
    "simulate (IN.cgp | IMAGE.bin) [--set REF=VALUE ...] [--press KEY ...] [--ticks N]\n"
    "         [--password DIGITS] [--script FILE] -o FRAME.png [--scale N]\n"
    "    Runs the project's runtime image (IN.cgp is compiled first) on a simulated\n"
    "    panel, applies the inputs in command-line order and writes the display as a\n"
    "    PNG. --set writes a register or coil as the PLC does (REF: R700 for the\n"
    "    first device or DEV001.R700, the number in the area's radix; VALUE decimal,\n"
    "    0x... or a float with '.'; a coil takes on or off); --press is a press and a\n"
    "    release of F1..F5; --ticks lets N ms pass; --password answers the panel's\n"
    "    password question; --script runs a script (one step a line: set, press,\n"
    "    release, wait, password, expect screen N, expect coil REF on|off, expect\n"
    "    register REF VALUE, frame PATH, # comments). --scale: pixels per panel pixel\n"
    "    (default 4). Exit status 1 at the first unmet expectation, 2 for a usage\n"
    "    error or a script line that cannot be done, 3 for an input it cannot read.";

struct Step
{
    QString line;   // a script step
    QString script; // or a script file
};

bool writeFrame(const CPanelSimulator& panel, int scale, const QString& path, QString* error)
{
    const QImage image = panel.Frame().ToImage(scale, panel.BacklightOn());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || !image.save(&f, "PNG") || !f.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

// The runtime image of IN.cgp (compiled) or IMAGE.bin, with its device names.
bool loadInput(const QString& in, QByteArray* image, QHash<QString, int>* stations, int* first)
{
    if (in.endsWith(QLatin1String(".cgp"), Qt::CaseInsensitive)) {
        CCliSession session;
        CTessanApp& app = session.App();
        CProjectStorage storage(app);
        QString location, name;
        if (!session.IsValid()
            || !CProjectStorage::SplitPackagePath(QFileInfo(in).absoluteFilePath(), &location,
                                                  &name)
            || !storage.OpenProject(location, name)) {
            Cli::PrintError(CProjectStorage::ErrorCantOpen());
            return false;
        }
        if (!CompileProjectForTransfer(app)) {
            Cli::PrintError(QStringLiteral("qv-cli simulate: %1 does not compile").arg(in));
            return false;
        }
        *image = app.runtimeImage;
        const auto& devices = app.model.Devices().devices;
        for (const auto& d : devices)
            stations->insert(d.name, d.bytes[0]);
        *first = devices.empty() ? 0xFF : devices.front().bytes[0];
        return true;
    }
    QFile f(in);
    if (!f.open(QIODevice::ReadOnly)) {
        Cli::PrintError(QStringLiteral("qv-cli simulate: cannot read %1").arg(in));
        return false;
    }
    *image = f.readAll();
    *first = -1; // from the image once it is read
    return true;
}

int runSimulate(const QStringList& args)
{
    const QString usage = QString::fromLatin1(kUsage);
    auto usageError = [&](const QString& why) {
        if (!why.isEmpty())
            Cli::PrintError(QStringLiteral("qv-cli simulate: ") + why);
        Cli::PrintUsage(usage);
        return 2;
    };
    QString in, out;
    int scale = 4;
    QList<Step> steps;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString* v) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty())
                return false;
            *v = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--set")) {
            if (!value(&v) || !v.contains(QLatin1Char('=')))
                return usageError(QStringLiteral("--set takes REF=VALUE"));
            steps.append(
                {QStringLiteral("set %1 %2")
                     .arg(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1)),
                 {}});
        } else if (a == QLatin1String("--press")) {
            if (!value(&v))
                return usageError(QStringLiteral("--press takes a key"));
            steps.append({QStringLiteral("press ") + v, {}});
            steps.append({QStringLiteral("release ") + v, {}});
        } else if (a == QLatin1String("--ticks")) {
            if (!value(&v))
                return usageError(QStringLiteral("--ticks takes a number"));
            steps.append({QStringLiteral("wait ") + v, {}});
        } else if (a == QLatin1String("--password")) {
            if (!value(&v))
                return usageError(QStringLiteral("--password takes the digits"));
            steps.append({QStringLiteral("password ") + v, {}});
        } else if (a == QLatin1String("--script")) {
            if (!value(&v))
                return usageError(QStringLiteral("--script takes a file"));
            steps.append({{}, v});
        } else if (a == QLatin1String("-o")) {
            if (!value(&out))
                return usageError(QStringLiteral("-o takes a file"));
        } else if (a == QLatin1String("--scale")) {
            bool ok = false;
            scale = value(&v) ? v.toInt(&ok) : 0;
            if (!ok || scale < 1 || scale > 64)
                return usageError(QStringLiteral("--scale takes 1 to 64"));
        } else if (a.startsWith(QLatin1Char('-')) || !in.isEmpty()) {
            return usageError(QString());
        } else {
            in = a;
        }
    }
    if (in.isEmpty() || out.isEmpty())
        return usageError(QString());

    QByteArray bytes;
    QHash<QString, int> stations;
    int first = 0;
    if (!loadInput(in, &bytes, &stations, &first))
        return 3;
    CPanelSimulator panel;
    QString error;
    if (!panel.Load(bytes, &error)) {
        Cli::PrintError(QStringLiteral("qv-cli simulate: %1: %2").arg(in, error));
        return 3;
    }
    if (first < 0) {
        stations = CSimulationScript::StationNames(panel.Image());
        const auto& devices = panel.Image().comm.devices;
        first = devices.empty() ? 0xFF : devices.front().Station();
    }
    CSimulationScript script(panel, stations, first);
    script.writeFrame = [&](const QString& path, QString* e) {
        return writeFrame(panel, scale, path, e);
    };

    for (const Step& step : steps) {
        QString message;
        if (step.script.isEmpty()) {
            const auto r = script.Step(step.line, &message);
            if (r != CSimulationScript::Result::Done)
                return usageError(message);
            continue;
        }
        QFile f(step.script);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            Cli::PrintError(QStringLiteral("qv-cli simulate: cannot read %1").arg(step.script));
            return 2;
        }
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        int lineNumber = 0;
        const auto r = script.Run(lines, &lineNumber, &message);
        if (r == CSimulationScript::Result::Done)
            continue;
        Cli::PrintError(QStringLiteral("%1:%2: %3").arg(step.script).arg(lineNumber).arg(message));
        return r == CSimulationScript::Result::Unmet ? 1 : 2;
    }
    if (!writeFrame(panel, scale, out, &error)) {
        Cli::PrintError(QStringLiteral("qv-cli simulate: ") + error);
        return 2;
    }
    return 0;
}

CliRegistration reg({QStringLiteral("simulate"), QString::fromLatin1(kUsage), runSimulate});

} // namespace
