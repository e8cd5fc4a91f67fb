#pragma once
#include <QString>

#include <map>
#include <memory>

class CDiagramEntityContainer;
class CHZLib;
class CProjectModel;
struct RuntimeImage;

// The runtime image read back, checked against what the project asked for:
// every record field equals the project's value cut to the field's width as
// the image layout gives it (8-bit positions and counts, 16- and 24-bit
// values and offsets, the station number of the named device or 0xFF), every
// text the glyph references into the compilation's font library, every
// picture the bytes that the compilation kept with its object. Written from
// the layout, not from the compiler's writers.
namespace ImageRoundTrip {

// Empty when everything matches; else the first difference, in words.
QString Compare(const CProjectModel& model,
                const std::map<int, std::shared_ptr<CDiagramEntityContainer>>& screens,
                const CHZLib& font, const RuntimeImage& image);

} // namespace ImageRoundTrip
