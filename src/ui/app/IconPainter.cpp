#include "IconPainter.h"
#include "ui/screen/ObjectPainter.h"
#include "ui/widgets/IconInk.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

// Every picture is drawn on a 24 x 24 grid and scaled to the size asked for.
using Drawing = std::function<void(QPainter&)>;

using namespace IconInk;

class CDrawnIconEngine : public QIconEngine
{
public:
    explicit CDrawnIconEngine(Drawing draw) : draw_(std::move(draw)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        draw_(*painter);
        painter->restore();
    }
    QIconEngine* clone() const override { return new CDrawnIconEngine(draw_); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

private:
    Drawing draw_;
};

QIcon Make(Drawing draw)
{
    return QIcon(new CDrawnIconEngine(std::move(draw)));
}

void Page(QPainter& p, const QRectF& r)
{
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void Window(QPainter& p, const QRectF& r, const QColor& title)
{
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setBrush(title);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 3.5));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c)
{
    p.setPen(Pen(c, 2.2));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(5);
    a.setAngle(line.angle() + 35);
    QLineF b = line;
    b.setLength(5);
    b.setAngle(line.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

void Folder(QPainter& p)
{
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kWarm);
    QPainterPath back;
    back.moveTo(2, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(20, 8);
    back.lineTo(20, 20);
    back.lineTo(2, 20);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kWarm.lighter(130));
    QPainterPath front;
    front.moveTo(2, 20);
    front.lineTo(5, 11);
    front.lineTo(23, 11);
    front.lineTo(20, 20);
    front.closeSubpath();
    p.drawPath(front);
}

void Panel(QPainter& p)
{
    // The operator panel: a case, its wide display and five keys.
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(200, 205, 212));
    p.drawRoundedRect(QRectF(1.5, 4, 21, 16), 2, 2);
    p.setBrush(QColor(170, 200, 120));
    p.drawRect(QRectF(4, 6.5, 16, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(4 + i * 3.4, 16, 2.2, 2));
}

void Pane(QPainter& p, const QRectF& highlighted)
{
    Window(p, QRectF(2, 3, 20, 18), kAccent);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent.lighter(150));
    p.drawRect(highlighted);
}

Drawing DrawingFor(CommandId id)
{
    switch (id) {
    case CommandId::StartProject:
        return [](QPainter& p) {
            Page(p, QRectF(4, 2, 14, 19));
            p.setPen(Pen(kWarm, 1.8));
            for (int i = 0; i < 4; ++i) {
                QLineF ray(QPointF(17, 17), QPointF(22, 17));
                ray.setAngle(i * 45.0);
                p.drawLine(QLineF(ray.pointAt(0.2), ray.p2()));
            }
            p.setBrush(kWarm);
            p.drawEllipse(QPointF(17, 17), 2, 2);
        };
    case CommandId::OpenProject: return Folder;
    case CommandId::SaveProject:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.2));
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 3, 12, 7));
            p.setBrush(QColor(220, 225, 232));
            p.drawRect(QRectF(7, 14, 10, 7));
            p.setPen(Pen(kInk, 1.4));
            p.drawLine(QPointF(14.5, 4.5), QPointF(14.5, 8.5));
        };
    case CommandId::SaveProjectAs:
        return [](QPainter& p) {
            DrawingFor(CommandId::SaveProject)(p);
            p.setPen(Pen(kWarm, 2.2));
            p.drawLine(QPointF(14, 20), QPointF(22, 12));
        };
    case CommandId::ProjectTransfer:
        return [](QPainter& p) {
            Panel(p);
            Arrow(p, QPointF(12, 0.5), QPointF(12, 10), kGreen);
        };
    case CommandId::ProjectInformation:
        return [](QPainter& p) {
            Page(p, QRectF(4, 2, 16, 20));
            p.setPen(Pen(kInk, 1.2));
            for (int y = 8; y <= 18; y += 3)
                p.drawLine(QPointF(7, y), QPointF(17, y));
        };
    case CommandId::Undo:
        return [](QPainter& p) {
            p.setPen(Pen(kAccent, 2.2));
            p.setBrush(Qt::NoBrush);
            QPainterPath path;
            path.moveTo(6, 10);
            path.cubicTo(12, 4, 22, 8, 19, 17);
            p.drawPath(path);
            p.drawLine(QPointF(6, 10), QPointF(6, 4));
            p.drawLine(QPointF(6, 10), QPointF(12, 10.5));
        };
    case CommandId::Redo:
        // Undo's arrow, mirrored.
        return [](QPainter& p) {
            p.translate(24, 0);
            p.scale(-1, 1);
            DrawingFor(CommandId::Undo)(p);
        };
    case CommandId::Cut:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.6));
            p.drawLine(QPointF(7, 3), QPointF(15, 15));
            p.drawLine(QPointF(17, 3), QPointF(9, 15));
            p.setBrush(Qt::NoBrush);
            p.setPen(Pen(kAccent, 1.8));
            p.drawEllipse(QPointF(7.5, 18), 3, 3);
            p.drawEllipse(QPointF(16.5, 18), 3, 3);
        };
    case CommandId::Copy:
        return [](QPainter& p) {
            Page(p, QRectF(3, 2, 12, 15));
            Page(p, QRectF(9, 7, 12, 15));
        };
    case CommandId::Paste:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.2));
            p.setBrush(kWarm);
            p.drawRoundedRect(QRectF(3, 4, 15, 18), 1.5, 1.5);
            p.setBrush(QColor(150, 150, 150));
            p.drawRect(QRectF(7, 2, 7, 4));
            Page(p, QRectF(10, 9, 11, 13));
        };
    case CommandId::GridSize:
    case CommandId::DisplayGrid:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.0));
            for (int i = 3; i <= 21; i += 6) {
                p.drawLine(QPointF(i, 3), QPointF(i, 21));
                p.drawLine(QPointF(3, i), QPointF(21, i));
            }
        };
    case CommandId::Zoom:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.8));
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
            p.setPen(Pen(kInk, 3));
            p.drawLine(QPointF(15, 15), QPointF(21, 21));
            p.setPen(Pen(kAccent, 1.8));
            p.drawLine(QPointF(7, 10), QPointF(13, 10));
            p.drawLine(QPointF(10, 7), QPointF(10, 13));
        };
    case CommandId::PaneNavigation: return [](QPainter& p) { Pane(p, QRectF(2.6, 7, 6, 13.4)); };
    case CommandId::PaneObjectList: return [](QPainter& p) { Pane(p, QRectF(15.4, 7, 6, 6.5)); };
    case CommandId::PaneObjectHelp: return [](QPainter& p) { Pane(p, QRectF(15.4, 14, 6, 6.4)); };
    case CommandId::PaneOutput: return [](QPainter& p) { Pane(p, QRectF(2.6, 16, 18.8, 4.4)); };
    case CommandId::PaneCrossReference:
        return [](QPainter& p) { Pane(p, QRectF(12, 16, 9.4, 4.4)); };
    case CommandId::Cascade:
        return [](QPainter& p) {
            Window(p, QRectF(2, 2, 13, 11), kAccent);
            Window(p, QRectF(6, 6, 13, 11), kAccent);
            Window(p, QRectF(10, 10, 12, 11), kAccent);
        };
    case CommandId::Tile:
        return [](QPainter& p) {
            Window(p, QRectF(2, 3, 9.5, 18), kAccent);
            Window(p, QRectF(12.5, 3, 9.5, 18), kAccent);
        };
    case CommandId::NewScreen:
        return [](QPainter& p) {
            Window(p, QRectF(2, 4, 17, 13), kAccent);
            p.setPen(Pen(kGreen, 2.4));
            p.drawLine(QPointF(18, 14), QPointF(18, 22));
            p.drawLine(QPointF(14, 18), QPointF(22, 18));
        };
    case CommandId::PanelManager:
    case CommandId::PanelInformation: return Panel;
    case CommandId::Simulate:
        return [](QPainter& p) {
            Panel(p);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawPolygon(QPolygonF({QPointF(14, 12), QPointF(23, 17.5), QPointF(14, 23)}));
        };
    case CommandId::HelpTopics:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.2));
            p.setBrush(kAccent);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            Letter(p, QRectF(2, 2, 20, 20), QStringLiteral("?"), Qt::white, 15);
        };
    case CommandId::About:
        return [](QPainter& p) {
            p.setPen(Pen(kInk, 1.2));
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            Letter(p, QRectF(2, 2, 20, 20), QStringLiteral("i"), Qt::white, 15);
        };
    default: break;
    }
    const int kind = ObjectKindOfCommand(id);
    if (kind >= 0)
        return [kind](QPainter& p) { IconPainter::KindIcon(kind).paint(&p, QRect(0, 0, 24, 24)); };
    return {};
}

} // namespace

namespace IconPainter {

QIcon Icon(CommandId id)
{
    Drawing d = DrawingFor(id);
    return d ? Make(std::move(d)) : QIcon();
}

QIcon KindIcon(int kind)
{
    const CObjectPainter& painter = CObjectPainter::ForKind(kind);
    if (!painter.HasIcon())
        return QIcon();
    return Make([&painter](QPainter& p) { painter.DrawIcon(p); });
}

QIcon AppIcon()
{
    return Make(Panel);
}

} // namespace IconPainter
