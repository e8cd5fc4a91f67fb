#pragma once
#include "ProjectScreenObjects.h"
#include "runtime/RuntimeImage.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class CTessanApp;

// The screens of the project as the panel shows them, for the project
// report: the project as it stands (unsaved edits included) compiled into an
// image of its own, read back, and each screen drawn by the panel's renderer
// with every register 0 and every coil off (so a dynamic text shows its
// first entry and no trend has samples).
class CReportScreenPictures
{
public:
    // Taken on the caller's thread; Compile may run on any.
    CReportScreenPictures(const CTessanApp& app,
                          const CProjectScreenObjects::LoadedScreens& loaded);
    ~CReportScreenPictures();

    // False with a reason when the project cannot be compiled or its image
    // cannot be read back.
    bool Compile(QString* error);
    int ImageBytes() const { return int(bytes_.size()); }
    int Warnings() const { return warnings_; }

    // The screen's display, `scale` x `scale` image pixels per panel pixel
    // (no smoothing), dark pixels black on white, one bit a pixel. A null
    // image when the compiled image has no such screen.
    QImage Picture(int screenNumber, int scale) const;

private:
    struct Job;
    std::unique_ptr<Job> job_;
    QByteArray bytes_;
    RuntimeImage image_;
    int warnings_ = 0;
};
