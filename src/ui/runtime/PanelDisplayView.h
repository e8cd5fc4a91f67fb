#pragma once
#include <QImage>
#include <QWidget>

class CPanelFrame;

// The panel's display at an integer zoom: every panel pixel a square of
// zoom x zoom screen pixels, never smoothed. A click reports the panel pixel
// under the mouse.
class CPanelDisplayView : public QWidget
{
    Q_OBJECT
public:
    explicit CPanelDisplayView(QWidget* parent = nullptr);

    void ShowFrame(const CPanelFrame& frame, bool backlight);
    void SetZoom(int zoom);
    int Zoom() const { return zoom_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The frame as shown now.
    const QImage& Image() const { return image_; }

signals:
    void pixelClicked(QPoint panelPixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect displayRect() const;

    QImage image_;
    int zoom_ = 4;
};
