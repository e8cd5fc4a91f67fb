#pragma once
#include <QPixmap>

// The pictures of the start dialog's three ways in, drawn at any size:
// 0 a new project sheet, 1 a package in its folder, 2 the panel on its cable.
namespace StartModePictures {
QPixmap Picture(int mode, int size);
} // namespace StartModePictures
