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
        const QByteArray image = panel.StoredImage();
        QString error;
        if (!image.isEmpty() && !window.LoadImage(image, &error))
            std::fprintf(stderr, "qv-panel: the image held cannot be shown: %s\n", qPrintable(error));
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
