#pragma once
#include <QByteArray>
#include <optional>

class CCompileContext;
class CScreenObject;
class CFunKeyParams;
class CImageWriter;

// The screen image: the screen table in ascending screen order and one screen
// record per screen, with its function keys, key descriptions and objects.
namespace ScreenImage {

// No result when the stop flag was found set after a screen.
std::optional<QByteArray> Build(CCompileContext& ctx);
QByteArray BuildScreenRecord(CCompileContext& ctx, const CScreenObject& screen);
// The 18-byte record of one function key.
void WriteKeyRecord(CCompileContext& ctx, CImageWriter& out, const CFunKeyParams& key);

inline constexpr int kKeyRecordSize = 18;
inline constexpr int kKeysOffset = 16;

} // namespace ScreenImage
