#include "PanelScreenRenderer.h"
#include "PanelFont.h"
#include "PanelFrame.h"
#include "PanelMemory.h"
#include "PanelNumericField.h"
#include "PanelPainter.h"
#include "PanelTrendSamples.h"
#include "PanelValue.h"
#include "RuntimeObjectKinds.h"

#include <algorithm>
#include <cmath>

namespace {

// The meters' look follows the editor's preview: a scale of ticks beside the
// bar, axes with arrow heads for the trend.
constexpr int kTick = 3;    // scale tick length
constexpr int kGap = 1;     // between scale and bar
constexpr int kAxisOff = 3; // trend axes from the left and bottom edges
constexpr int kHead = 2;    // arrow heads
constexpr int kLightLine = 2;

int bands(int h)
{
    return (h + 7) / 8;
}

// Where a value lies between min and max, 0 to 1 (0 when it is no number).
double share(const CPanelValue& v, const CPanelValue& min, const CPanelValue& max)
{
    if (!v.IsNumber() || !min.IsNumber() || !max.IsNumber())
        return 0;
    const double lo = min.Number(), hi = max.Number(), x = v.Number();
    if (hi == lo)
        return x >= hi ? 1 : 0;
    return std::clamp((x - lo) / (hi - lo), 0.0, 1.0);
}

} // namespace

CPanelScreenRenderer::CPanelScreenRenderer(const RuntimeImage& image, const CPanelMemory& memory,
                                           const CPanelTrendSamples* trends)
    : image_(image),
      memory_(memory),
      trends_(trends)
{}

void CPanelScreenRenderer::Draw(const RuntimeScreen& screen, CPanelFrame& frame) const
{
    frame.Clear();
    CPanelPainter painter(frame);
    for (int i = 0; i < int(screen.objects.size()); ++i)
        DrawObject(screen.objects[size_t(i)], i, painter);
}

void CPanelScreenRenderer::DrawObject(const RuntimeObject& o, int objectIndex,
                                      CPanelPainter& painter) const
{
    if (const RuntimeObjectKindEntry* kind = RuntimeObjectKindOf(o.kind); kind && kind->draw)
        (this->*kind->draw)(o, objectIndex, painter);
}

void CPanelScreenRenderer::DrawPicture(const RuntimeObject& o, int, CPanelPainter& painter) const
{
    picture(o, o.pictureOffset, painter);
}

void CPanelScreenRenderer::picture(const RuntimeObject& o, std::uint32_t offset,
                                   CPanelPainter& painter) const
{
    const std::uint8_t* packed = image_.Picture(offset, o.w, o.h);
    if (packed)
        painter.Picture(o.x, o.y, o.w, o.h, packed);
    else
        painter.FillRect(o.x, o.y, o.w, o.h, false);
}

int CPanelScreenRenderer::DynamicTextEntry(const RuntimeObject& o) const
{
    const quint16 word = memory_.Word(o.reg);
    int entry = word;
    if (o.model != 0) {
        // HEX/BCD: the four BCD digits read as a decimal number.
        const CPanelValue v(word, RuntimeValueFormat{false, false, false, false, 0});
        entry = v.IsNumber() ? int(v.Number()) : -1;
    }
    return entry >= 0 && entry < o.entries ? entry : -1;
}

void CPanelScreenRenderer::DrawDynamicText(const RuntimeObject& o, int,
                                           CPanelPainter& painter) const
{
    const int entry = DynamicTextEntry(o);
    if (entry < 0) {
        painter.FillRect(o.x, o.y, o.w, o.h, false);
        return;
    }
    picture(o, o.pictureOffset + std::uint32_t(entry) * o.w * bands(o.h), painter);
}

double CPanelScreenRenderer::BarShare(const RuntimeObject& o) const
{
    const RuntimeValueFormat f = BarMeterFormat(o);
    return share(CPanelValue::Read(memory_, o.reg, f), CPanelValue(o.minimum, f),
                 CPanelValue(o.maximum, f));
}

void CPanelScreenRenderer::DrawBarMeter(const RuntimeObject& o, int, CPanelPainter& painter) const
{
    painter.FillRect(o.x, o.y, o.w, o.h, false);
    const int left = o.x, top = o.y, right = o.x + o.w - 1, bottom = o.y + o.h - 1;
    const int dir = o.Direction();
    const bool vertical = dir != 2 && dir != 3;
    // The scale: a line with nine ticks, long at the quarters.
    int bx0, by0, bx1, by1; // the bar's box, inclusive
    if (vertical) {
        const int base = left + kTick;
        painter.Line(base, top, base, bottom);
        for (int i = 0; i <= 8; ++i) {
            const int at = top + (bottom - top) * i / 8;
            painter.Line(base - (i % 2 == 0 ? kTick : 1), at, base, at);
        }
        bx0 = base + kGap + 1;
        by0 = top;
        bx1 = right;
        by1 = bottom;
    } else {
        const int base = bottom - kTick;
        painter.Line(left, base, right, base);
        for (int i = 0; i <= 8; ++i) {
            const int at = left + (right - left) * i / 8;
            painter.Line(at, base, at, base + (i % 2 == 0 ? kTick : 1));
        }
        bx0 = left;
        by0 = top;
        bx1 = right;
        by1 = base - kGap - 1;
    }
    if (bx1 < bx0 || by1 < by0)
        return;
    painter.FrameRect(bx0, by0, bx1 - bx0 + 1, by1 - by0 + 1);
    // The fill inside the frame.
    const int ix = bx0 + 1, iy = by0 + 1, iw = bx1 - bx0 - 1, ih = by1 - by0 - 1;
    if (iw <= 0 || ih <= 0)
        return;
    const double s = BarShare(o);
    const int along = vertical ? ih : iw;
    const int n = int(std::floor(s * along + 0.5));
    switch (dir) {
    case 1: painter.FillRect(ix, iy, iw, n, true); break;           // DOWN
    case 2: painter.FillRect(ix, iy, n, ih, true); break;           // RIGHT
    case 3: painter.FillRect(ix + iw - n, iy, n, ih, true); break;  // LEFT
    default: painter.FillRect(ix, iy + ih - n, iw, n, true); break; // UP
    }
}

void CPanelScreenRenderer::DrawTrendMeter(const RuntimeObject& o, int objectIndex,
                                          CPanelPainter& painter) const
{
    painter.FillRect(o.x, o.y, o.w, o.h, false);
    const int top = o.y, right = o.x + o.w - 1, bottom = o.y + o.h - 1;
    const int ox = o.x + kAxisOff, oy = bottom - kAxisOff;
    if (right <= ox || oy <= top)
        return;
    painter.Line(ox, oy, ox, top);
    painter.Line(ox, oy, right, oy);
    for (int k = 1; k <= kHead; ++k) {
        painter.Line(ox - k, top + k, ox + k, top + k);
        painter.Line(right - k, oy - k, right - k, oy + k);
    }
    if (!trends_)
        return;
    const std::deque<double>& samples = trends_->Samples(objectIndex);
    const int x0 = ox + 1, x1 = right - kHead - 1, y0 = oy - 1, y1 = top + kHead + 1;
    if (samples.empty() || x1 < x0 || y0 < y1)
        return;
    const RuntimeValueFormat f = TrendMeterFormat(o);
    const CPanelValue min(o.minimum, f), max(o.maximum, f);
    const double lo = min.IsNumber() ? min.Number() : 0, hi = max.IsNumber() ? max.Number() : 0;
    const int divisions = CPanelTrendSamples::Capacity(o) - 1;
    bool have = false;
    int px = 0, py = 0;
    for (int i = 0; i < int(samples.size()); ++i) {
        const double v = samples[size_t(i)];
        if (std::isnan(v)) {
            have = false;
            continue;
        }
        const double s =
            hi == lo ? (v >= hi ? 1.0 : 0.0) : std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
        const int x = x0 + int(qint64(x1 - x0) * i / divisions);
        const int y = y0 - int(std::floor(s * (y0 - y1) + 0.5));
        if (have)
            painter.Line(px, py, x, y);
        else
            painter.Line(x, y, x, y);
        have = true;
        px = x;
        py = y;
    }
}

bool CPanelScreenRenderer::LightLit(const RuntimeObject& o) const
{
    return memory_.Coil(o.reg) != o.LightInverted();
}

void CPanelScreenRenderer::DrawLight(const RuntimeObject& o, int, CPanelPainter& painter) const
{
    const int size = o.LightDouble() ? 32 : 16;
    const bool lit = LightLit(o);
    painter.FillRect(o.x, o.y, size, size, false);
    if (o.LightRectangle()) {
        if (lit)
            painter.FillRect(o.x, o.y, size, size, true);
        else
            painter.FrameRect(o.x, o.y, size, size, kLightLine);
    } else {
        painter.Circle(o.x, o.y, size, lit, kLightLine);
    }
}

void CPanelScreenRenderer::DrawNumeric(const RuntimeObject& o, int, CPanelPainter& painter) const
{
    const CPanelNumericField field(o);
    const QString text = field.Text(CPanelValue::Read(memory_, o.reg, NumericFormat(o)));
    const int scale = o.NumericDouble() ? 2 : 1;
    const int w = painter.Text(o.x, o.y, text, scale);
    if (o.NumericInverted())
        painter.InvertRect(o.x, o.y, w, CPanelFont::Height * scale);
}

QString CPanelScreenRenderer::StringText(const RuntimeObject& o) const
{
    const bool lowFirst = image_.comm.ByteOrder() == 1;
    QString text;
    const int count = o.StringCount();
    text.reserve(count);
    for (int i = 0; i < count; ++i) {
        char16_t c = u' ';
        if (i / 2 < o.registerCount) {
            const quint16 word = memory_.Word(CPanelMemory::Next(o.reg, i / 2));
            const bool high = (i % 2 == 0) != lowFirst;
            const char16_t b = high ? word >> 8 : word & 0xFF;
            if ((b >= 0x20 && b < 0x7F) || b >= 0xA0)
                c = b;
        }
        text += QChar(c);
    }
    return text;
}

void CPanelScreenRenderer::DrawString(const RuntimeObject& o, int, CPanelPainter& painter) const
{
    const int scale = o.StringDouble() ? 2 : 1;
    const int w = painter.Text(o.x, o.y, StringText(o), scale);
    if (o.StringInverted())
        painter.InvertRect(o.x, o.y, w, CPanelFont::Height * scale);
}
