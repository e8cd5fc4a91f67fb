// A project bitmap decoded by the picture reader that the compiler and the
// editor's previews use, then placed into a static bitmap's box with each
// scaling.
#include "FuzzSupport.h"
#include "screen/BitmapFile.h"
#include "screen/StaticBitmapPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QImage picture = BitmapFile::Decode(FuzzSupport::Bytes(data, size));
    if (!picture.isNull()
        && (picture.width() > BitmapFile::kMaxSide || picture.height() > BitmapFile::kMaxSide))
        __builtin_trap(); // the side limit holds
    for (int scaling = 0; scaling < 4; ++scaling)
        (void)StaticBitmapPicture::Render(picture, QRect(3, 5, 40, 24), scaling, scaling & 1);
    return 0;
}
