#pragma once
#include <QByteArray>

class CCompileContext;

// The alarm image: the first alarm's coil, the count, then per alarm its
// number from 1 and its message as encoded text.
namespace AlarmImage {
QByteArray Build(CCompileContext& ctx);
}
