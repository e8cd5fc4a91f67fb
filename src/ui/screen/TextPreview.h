#pragma once
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

struct FontSpec;
class QPainter;

// What the text-like previews share: the fonts (through the same face
// substitution as the panel's pictures, so a face looks alike in the editor
// and on the panel), one line of text drawn into a rectangle, and inversion.
namespace TextPreview {

// A font height scaled by the zoom: its size times the zoom, plus one half,
// truncated; the sign (character or cell height) kept.
int ScaledHeight(int height, double zoom);
// An object's font at the zoom.
QFont ObjectFont(const FontSpec& font, double zoom);
// The default user-interface font at a character height of `pixels` x zoom;
// with `arialBelowOne`, the face "Arial" when the zoom is below 1.
QFont UiFont(int pixels, double zoom, bool arialBelowOne = false);
// One line, left-aligned, centred vertically, clipped to the rectangle; a
// text that is too wide shows its leading part that fits.
void DrawLine(QPainter& p, const QString& text, const QFont& font, const QRect& r);
// The text's extent: its width and the font's line height.
QSize Extent(const QString& text, const QFont& font);
// Inverts the pixels of the rectangle (black becomes white and white black).
void Invert(QPainter& p, const QRect& r);

} // namespace TextPreview
