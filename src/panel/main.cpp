// qv-panel: a virtual RU03 panel on a pseudo-terminal, for trying every
// transfer without hardware.
#include "PanelDisplay.h"
#include "base/ProgramInfo.h"
#include "VirtualPanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <csignal>
#include <memory>
#include <vector>
#include <cstdio>

namespace {

CVirtualPanel* g_panel = nullptr;
volatile int g_stop = 0; // the display's loop looks at it

void OnSignal(int)
{
    g_stop = 1;
    if (g_panel)
        g_panel->Stop();
}

const char* kUsage = "Usage: qv-panel [--link PATH] [--store DIR] [--firmware A.B.C.D] [--paced]\n"
                     "                [--handshake-on N] [--fault KIND@POINT[:N]] [--display]\n"
                     "\n"
                     "Serves the panel's side of the transfer protocol on a new pseudo-terminal\n"
                     "and prints its device path. Use that path (or --link PATH) as the port.\n"
                     "  --link PATH        also make a symbolic link PATH to the device\n"
                     "  --store DIR        keep the downloaded image, password and flag in DIR\n"
                     "  --firmware A.B.C.D firmware version reported (default 1.0.0.4)\n"
                     "  --paced            pace the line as a real 38400-baud 8O1 line\n"
                     "  --display          show the simulated panel running the image it holds\n"
                     "                     (loaded again after every download)\n"
                     "  --handshake-on N   answer the N-th handshake request first\n"
                     "  --fault KIND@POINT[:N]  play a fault the N-th time (0: every time) a\n"
                     "                     reply point is reached. KIND: silence, wrong, hangup.\n"
                     "                     POINT: handshake dl1 dl2 dl3 dl4 dl5 info info-end\n"
                     "                     up-password up-count up-block up-check up-end\n"
                     "  --version          show the program's version and end\n"
                     "A panel whose upload flag is off does not answer an upload.\n";

} // namespace

int main(int argc, char** argv)
{
    if (const int code = ProgramInfo::Answer(argc, argv, "qv-panel", kUsage); code >= 0)
        return code;
    // A window only with --display: without it qv-panel needs no display.
    // Qt's own -display option would take it (and the next argument) for an
    // X display name, so Qt never sees it.
    bool display = false;
    std::vector<char*> qtArgs;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && QByteArray(argv[i]) == "--display")
            display = true;
        else
            qtArgs.push_back(argv[i]);
    }
    int qtArgc = int(qtArgs.size());
    qtArgs.push_back(nullptr);
    std::unique_ptr<QCoreApplication> app =
        display ? std::make_unique<QApplication>(qtArgc, qtArgs.data())
                : std::make_unique<QCoreApplication>(qtArgc, qtArgs.data());
    QStringList args = QCoreApplication::arguments().mid(1);
    VirtualPanelOptions options;
    QString link;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == QLatin1String("--link")) {
            link = value();
        } else if (a == QLatin1String("--store")) {
            options.storeDir = value();
        } else if (a == QLatin1String("--paced")) {
            options.paced = true;
        } else if (a == QLatin1String("--firmware")) {
            const QStringList parts = value().split(QLatin1Char('.'));
            bool ok = parts.size() == 4;
            for (int k = 0; ok && k < 4; ++k) {
                const int v = parts[k].toInt(&ok);
                ok = ok && v >= 0 && v <= 255;
                if (ok)
                    options.firmware[size_t(k)] = uint8_t(v);
            }
            if (!ok) {
                std::fputs("qv-panel: --firmware wants A.B.C.D, each 0 to 255\n", stderr);
                return 2;
            }
        } else if (a == QLatin1String("--handshake-on")) {
            bool ok = false;
            options.handshakeOn = value().toInt(&ok);
            if (!ok || options.handshakeOn < 1) {
                std::fputs("qv-panel: --handshake-on wants a number from 1\n", stderr);
                return 2;
            }
        } else if (a == QLatin1String("--fault")) {
            if (!PanelFault::Parse(value(), &options.fault)) {
                std::fputs("qv-panel: --fault wants KIND@POINT[:N]\n", stderr);
                return 2;
            }
        } else {
            std::fprintf(stderr, "qv-panel: unknown argument %s\n%s", qPrintable(a), kUsage);
            return 2;
        }
    }

    CVirtualPanel panel(options);
    if (!panel.Open()) {
        std::fputs("qv-panel: cannot create a pseudo-terminal\n", stderr);
        return 1;
    }
    if (!link.isEmpty()) {
        QFile::remove(link);
        if (!QFile::link(panel.DevicePath(), link)) {
            std::fprintf(stderr, "qv-panel: cannot make the link %s\n", qPrintable(link));
            return 1;
        }
    }
    std::printf("%s\n", qPrintable(panel.DevicePath()));
    std::fflush(stdout);
    g_panel = &panel;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    if (display)
        RunPanelDisplay(panel, g_stop);
    else
        panel.Serve();
    g_panel = nullptr;
    if (!link.isEmpty())
        QFile::remove(link);
    return 0;
}
