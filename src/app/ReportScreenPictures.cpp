#include "ReportScreenPictures.h"
#include "SimulationCompile.h"
#include "runtime/PanelFrame.h"
#include "runtime/PanelMemory.h"
#include "runtime/PanelScreenRenderer.h"
#include "runtime/RuntimeImageReader.h"

#include <algorithm>
#include <cstring>

struct CReportScreenPictures::Job
{
    Job(const CTessanApp& app, const CProjectScreenObjects::LoadedScreens& loaded)
        : compile(app, loaded)
    {}
    CSimulationCompile compile;
};

CReportScreenPictures::CReportScreenPictures(const CTessanApp& app,
                                             const CProjectScreenObjects::LoadedScreens& loaded)
    : job_(std::make_unique<Job>(app, loaded))
{}

CReportScreenPictures::~CReportScreenPictures() = default;

bool CReportScreenPictures::Compile(QString* error)
{
    if (!job_->compile.Run()) {
        *error = job_->compile.Error();
        return false;
    }
    warnings_ = job_->compile.Warnings();
    bytes_ = job_->compile.Image();
    RuntimeImage image;
    if (!ReadRuntimeImage(bytes_, image, error))
        return false;
    image_ = std::move(image);
    return true;
}

QImage CReportScreenPictures::Picture(int screenNumber, int scale) const
{
    const RuntimeScreen* screen = image_.FindScreen(screenNumber);
    if (!screen)
        return QImage();
    scale = std::clamp(scale, 1, 64);
    const CPanelMemory memory; // every register 0, every coil off
    const CPanelScreenRenderer renderer(image_, memory, nullptr);
    CPanelFrame frame;
    renderer.Draw(*screen, frame);

    // Colour 0 white, 1 black: a dark pixel is a set bit.
    QImage picture(CPanelFrame::Width * scale, CPanelFrame::Height * scale, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    for (int y = 0; y < CPanelFrame::Height; ++y) {
        uchar* line = picture.scanLine(y * scale);
        for (int x = 0; x < CPanelFrame::Width; ++x) {
            if (!frame.Pixel(x, y))
                continue;
            for (int px = x * scale; px < (x + 1) * scale; ++px)
                line[px >> 3] |= uchar(0x80 >> (px & 7));
        }
        for (int k = 1; k < scale; ++k)
            std::memcpy(picture.scanLine(y * scale + k), line, size_t(picture.bytesPerLine()));
    }
    return picture;
}
