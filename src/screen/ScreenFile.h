#pragma once
#include <QString>

// The screen file of an empty screen: its header line only.
namespace ScreenFile {
bool WriteEmpty(const QString& path, int width = 192, int height = 64);
}
