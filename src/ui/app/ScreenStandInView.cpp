#include "ScreenStandInView.h"

#include <QPainter>

namespace {
constexpr int kPaperWidth = 192;
constexpr int kPaperHeight = 64;
} // namespace

CScreenStandInView::CScreenStandInView(const CScreenDocument* doc, QWidget* parent)
    : QWidget(parent),
      doc_(doc)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setMinimumSize(kPaperWidth + 16, kPaperHeight + 16);
}

void CScreenStandInView::ApplyViewSettings(const CViewSettings& settings)
{
    settings_ = settings;
    ++applied_;
    updateGeometry();
    update();
}

QSize CScreenStandInView::sizeHint() const
{
    const double z = settings_.ZoomFactor();
    return QSize(int(kPaperWidth * z) + 17, int(kPaperHeight * z) + 17);
}

void CScreenStandInView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double z = settings_.ZoomFactor();
    const QRectF paper(8, 8, kPaperWidth * z, kPaperHeight * z);
    p.fillRect(paper, Qt::white);
    if (settings_.showGrid && settings_.gridSizeH > 0 && settings_.gridSizeV > 0) {
        p.setPen(QColor(192, 192, 192));
        for (int x = 0; x <= kPaperWidth; x += settings_.gridSizeH)
            for (int y = 0; y <= kPaperHeight; y += settings_.gridSizeV)
                p.drawPoint(QPointF(paper.left() + x * z, paper.top() + y * z));
    }
    p.setPen(Qt::black);
    p.drawRect(paper);
}
