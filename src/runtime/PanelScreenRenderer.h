#pragma once
#include "RuntimeImage.h"

#include <QString>

class CPanelFrame;
class CPanelMemory;
class CPanelPainter;
class CPanelTrendSamples;

// Draws a screen of the runtime image as the panel shows it, from the image
// and the PLC's values alone: objects in their record order, each on a box
// cleared first, so later objects cover earlier ones.
class CPanelScreenRenderer
{
public:
    // `trends` may be null: trend meters then show their axes only.
    CPanelScreenRenderer(const RuntimeImage& image, const CPanelMemory& memory,
                         const CPanelTrendSamples* trends);

    void Draw(const RuntimeScreen& screen, CPanelFrame& frame) const;
    void DrawObject(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;

    // The characters a string object shows: its registers' bytes in the
    // communication settings' byte order, two per register; bytes that are
    // no printable character show as blanks.
    QString StringText(const RuntimeObject& o) const;
    // The entry of a dynamic text that its register selects; -1 when none.
    int DynamicTextEntry(const RuntimeObject& o) const;
    // A bar meter's fill as a share of its length, 0 to 1.
    double BarShare(const RuntimeObject& o) const;
    // A light is lit (drawn filled) when its coil is on, or off when inverted.
    bool LightLit(const RuntimeObject& o) const;

    // One kind's drawing each, as the table of record kinds names them
    // (the object, its place in the screen, the painter).
    void DrawPicture(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;
    void DrawDynamicText(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;
    void DrawBarMeter(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;
    void DrawTrendMeter(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;
    void DrawLight(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;
    void DrawNumeric(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;
    void DrawString(const RuntimeObject& o, int objectIndex, CPanelPainter& painter) const;

private:
    void picture(const RuntimeObject& o, std::uint32_t offset, CPanelPainter& painter) const;

    const RuntimeImage& image_;
    const CPanelMemory& memory_;
    const CPanelTrendSamples* trends_;
};
