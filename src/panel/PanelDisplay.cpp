#include "PanelDisplay.h"
#include "VirtualPanel.h"
#include "base/AppPaths.h"
#include "base/AppSettings.h"
#include "ui/runtime/SimulatorWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int RunPanelDisplay(CVirtualPanel& panel, const volatile int& stopRequested)
{
    const CAppSettings settings(AppPaths::ForRunningProgram());
    CSimulatorWindow window(settings);
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + panel.DevicePath());
    int shown = -1;
    auto load = [&] {
        const int downloads = panel.DownloadsStored();
        if (downloads == shown)
            return;
        shown = downloads;
        QByteArray image = panel.StoredImage();
        // A download arrives in whole blocks; the panel reads as much as its
        // header's total length says and leaves the rest of the last block.
        if (image.size() >= 5) {
            const auto* b = reinterpret_cast<const uchar*>(image.constData());
            const qsizetype total =
                qsizetype(quint32(b[1]) << 24 | quint32(b[2]) << 16 | quint32(b[3]) << 8 | b[4]);
            if (total < image.size())
                image.truncate(total);
        }
        QString error;
        if (!image.isEmpty() && !window.LoadImage(image, &error))
            std::fprintf(stderr, "qv-panel: the image held cannot be shown: %s\n",
                         qPrintable(error));
    };
    load();
    panel.Start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        if (stopRequested || !window.isVisible()) {
            QApplication::quit();
            return;
        }
        load();
    });
    poll.start(200);
    window.show();
    QApplication::exec();
    panel.Stop();
    return 0;
}
