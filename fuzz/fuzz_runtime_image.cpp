// Arbitrary bytes read as a runtime image. When they decode, every picture
// and glyph that the records point at is looked up and read through, as the
// panel's renderer would, so that a record the reader let through can never
// lead a drawing outside the decoded buffers.
#include "FuzzSupport.h"
#include "runtime/RuntimeImageReader.h"

namespace {

unsigned Touch(const std::uint8_t* bytes, qsizetype count)
{
    unsigned sum = 0;
    if (bytes)
        for (qsizetype i = 0; i < count; ++i)
            sum += bytes[i];
    return sum;
}

unsigned TouchText(const RuntimeImage& image, const RuntimeText& text)
{
    unsigned sum = 0;
    for (const RuntimeChar& c : text)
        sum += Touch(image.Glyph(c), c.wide ? 32 : 16);
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RuntimeImage image;
    QString error;
    if (!ReadRuntimeImage(FuzzSupport::Bytes(data, size), image, &error)) {
        if (error.isEmpty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }
    unsigned sum = 0;
    for (const RuntimeScreen& s : image.screens) {
        for (const RuntimeFunctionKey& k : s.keys)
            sum += TouchText(image, k.description);
        for (const RuntimeObject& o : s.objects) {
            const qsizetype pictureBytes = qsizetype(o.w) * ((o.h + 7) / 8);
            // A dynamic text keeps one picture per entry, one after another.
            const int pictures = o.kind == 1 ? o.entries : 1;
            for (int i = 0; i < pictures; ++i) {
                const std::uint32_t offset = o.pictureOffset + std::uint32_t(i * pictureBytes);
                sum += Touch(image.Picture(offset, o.w, o.h), pictureBytes);
            }
        }
    }
    for (const RuntimeAlarm& a : image.alarms.alarms)
        sum += TouchText(image, a.message);
    volatile unsigned keep = sum;
    (void)keep;
    return 0;
}
