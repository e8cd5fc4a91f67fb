#pragma once

class CPreviewPictures;

// What a painter needs besides the object: the zoom from paper pixels to
// window pixels, whether the panel's own pictures are shown, and where bitmap
// files and panel pictures come from (none: bitmaps show as missing).
struct ObjectPaintContext
{
    double zoom = 1.0;
    bool panelPixels = false;
    CPreviewPictures* pictures = nullptr;
};
