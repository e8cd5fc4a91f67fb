// A screen file painted as the editor paints it: every object through its
// kind's painter into its kept preview, and through the panel's pixels, with
// labels and markers, into a window of 800 x 600 at 100 %, 800 % and 1000 %,
// scrolled to the origin and to the far corner of the objects. Whatever the
// file says, nothing larger than the window is made and no coordinate
// overflows.
#include "FuzzSupport.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"
#include "ui/screen/ObjectPainter.h"
#include "ui/screen/PreviewPictures.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A window coordinate as the scroll bars hold it.
int scrollTo(double v)
{
    return int(std::clamp(std::floor(v), double(INT_MIN), double(INT_MAX)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTessanApp& app = FuzzSupport::App();
    CDiagramEntityContainer container;
    CTessanDoc::ReadBytes(FuzzSupport::Bytes(data, size), container, false, &app.model);
    double right = 0, bottom = 0;
    for (int i = 0; i < container.GetSize(); ++i) {
        const PaperRect r = container.GetAt(i)->GetRect().Normalized();
        right = std::max(right, double(r.right));
        bottom = std::max(bottom, double(r.bottom));
    }
    // Every second object selected: its markers are drawn too.
    for (int i = 0; i < container.GetSize(); i += 2)
        container.GetAt(i)->Select(true);

    static QImage window(800, 600, QImage::Format_RGB32);
    CPreviewPictures pictures(app.settings.Paths().programDir, FuzzSupport::Dir());
    for (const double zoom : {1.0, 8.0, 10.0}) {
        const QPoint corner(scrollTo(right * zoom - window.width()),
                            scrollTo(bottom * zoom - window.height()));
        for (const QPoint scroll : {QPoint(0, 0), corner}) {
            for (const bool panelPixels : {false, true}) {
                ObjectPaintContext ctx;
                ctx.zoom = zoom;
                ctx.panelPixels = panelPixels;
                ctx.pictures = &pictures;
                window.fill(Qt::gray);
                QPainter p(&window);
                for (int i = 0; i < container.GetSize(); ++i)
                    ObjectPainting::DrawScaled(p, *container.GetAt(i), ctx, scroll, i + 1);
            }
        }
    }
    // What is kept stays within the budgets, whatever was asked for.
    if (pictures.KeptBytes() > 2 * CPreviewPictures::kPreviewBudget)
        __builtin_trap();
    return 0;
}
