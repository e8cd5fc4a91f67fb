#pragma once
#include "RuntimeImage.h"

#include <QByteArray>
#include <QString>

// Decodes a whole runtime image (project header, screen, alarm, font, bitmap
// and communication images) into `image`. Every offset, count and length is
// checked against the bytes there are; a damaged image gives false, leaves
// `image` as it was and sets `error` (when given) to one English sentence
// that names the damaged image and the byte of the runtime image where the
// damage was found. Picture and glyph offsets are kept as written: whether
// they lie inside the bitmap data or the font image is for the one who draws
// them to ask (RuntimeImage::Picture, RuntimeImage::Glyph).
bool ReadRuntimeImage(const QByteArray& bytes, RuntimeImage& image, QString* error);
