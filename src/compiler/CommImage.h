#pragma once
#include <QByteArray>

class CDeviceInfo;

// The communication image: the link settings and the 16 setting bytes of
// every device of the device list.
namespace CommImage {
QByteArray Build(const CDeviceInfo& info);
}
