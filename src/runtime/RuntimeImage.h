#pragma once
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The runtime image as the panel reads it, decoded into plain records. Every
// field keeps the bits the image holds (cut to its width); the helpers below
// only name the bits. Filled by CRuntimeImageReader, read by the panel's
// memory, behaviour and renderer.

// A register or coil: the device's station number (0xFF: no such device)
// and the 16-bit panel address.
struct RuntimeRegister
{
    std::uint8_t device = 0;
    std::uint16_t address = 0;
    bool operator==(const RuntimeRegister&) const = default;
    auto operator<=>(const RuntimeRegister&) const = default;
};

// One character of an encoded text: 16 pixels wide or 8, and where its glyph
// lies in the font image (from the font image's first byte).
struct RuntimeChar
{
    bool wide = false;
    std::uint16_t glyphOffset = 0;
    bool operator==(const RuntimeChar&) const = default;
};
using RuntimeText = std::vector<RuntimeChar>;

struct RuntimeProjectHeader
{
    std::uint32_t totalLength = 0;
    std::uint16_t startScreen = 0;
    std::uint8_t mark = 0; // 0x56
    std::array<std::uint8_t, 4> version{};
    std::uint8_t panelFlags = 0;
    std::uint16_t protectScreen = 0;
    std::uint16_t logScreen = 0;
    std::uint8_t logTimer = 0;         // seconds
    std::uint8_t protectTimeIndex = 0; // position in the protect time list
    std::array<std::uint8_t, 4> packedPassword{};
    std::uint8_t panelToPlcEnabled = 0;
    RuntimeRegister panelToPlc;
    std::uint8_t plcToPanelFlags = 0;
    RuntimeRegister plcToPanel;
    // Offsets of the screen, alarm, font, bitmap and communication images.
    std::array<std::uint32_t, 5> imageOffsets{};

    bool DwordExchange() const { return panelFlags & 0x80; }
    bool ProtectShowsScreen() const { return panelFlags & 0x08; } // else the backlight goes off
    bool KeyBeep() const { return panelFlags & 0x02; }
    bool LogScreenEnabled() const { return panelFlags & 0x01; }
    bool PlcSwitchesScreen() const { return plcToPanelFlags & 0x02; }
    bool BeepControl() const { return plcToPanelFlags & 0x01; }
    // The eight password digits, "0" for an empty place.
    QString PasswordDigits() const;
};

enum class RuntimeKeyFunction : std::uint8_t {
    SetCoil = 0,
    SetRegister = 1,
    ScreenChange = 2,
    Advanced = 3
};

struct RuntimeFunctionKey
{
    std::uint8_t flags = 0;
    RuntimeRegister coil;
    std::uint8_t coilAction = 0; // 0 SET ON, 1 SET OFF, 2 SET NOT, 3 INSTANT ON
    RuntimeRegister reg;
    std::uint8_t quantity = 0;
    std::uint32_t value = 0;
    std::uint8_t target = 0; // 0 a screen number, 1 the alarm list
    std::uint16_t targetScreen = 0;
    std::uint8_t command = 0; // 0 RUN, 1 STOP
    std::uint8_t device = 0;  // station number of the Advanced device
    std::uint8_t showDescription = 0;
    RuntimeText description; // only when showDescription is nonzero

    bool Used() const { return flags & 0x80; }
    bool NeedsPassword() const { return flags & 0x40; }
    int Function() const { return flags & 0x3F; } // RuntimeKeyFunction when 0 to 3
};

// One object record; the fields that the kind's record does not hold stay 0.
struct RuntimeObject
{
    std::uint8_t kind = 0; // a RuntimeObjectKind code
    RuntimeRegister reg;   // register (coil for the indicator light)
    std::uint8_t x = 0, y = 0, w = 0, h = 0;
    std::uint32_t pictureOffset = 0;                     // 24 bits, from the bitmap data's start
    std::uint8_t model = 0;                              // dynamic text: 0 DEC, 1 HEX/BCD
    std::uint8_t entries = 0;                            // dynamic text: pictures one after another
    std::uint8_t registerCount = 0;                      // bar meter, string
    std::uint8_t flagsA = 0, flagsB = 0;                 // bar meter
    std::uint8_t flagsC = 0;                             // trend meter
    std::uint8_t dataPoints = 0;                         // trend meter
    std::uint16_t interval = 0;                          // trend meter
    std::uint32_t maximum = 0, minimum = 0;              // meters and numeric, 32-bit patterns
    std::uint8_t flagsD = 0;                             // indicator light
    std::uint8_t flagsE = 0, digitsByte = 0, flagsF = 0; // numeric
    std::uint8_t flagsG = 0;                             // string
    std::uint32_t recordOffset = 0; // where the record lies in the screen image

    // Bar meter
    int Direction() const { return (flagsA >> 2) & 0x0F; } // 0 UP, 1 DOWN, 2 RIGHT, 3 LEFT
    // Light
    bool LightDouble() const { return flagsD & 0x04; }
    bool LightInverted() const { return flagsD & 0x02; }
    bool LightRectangle() const { return flagsD & 0x01; }
    // Numeric
    bool NumericEncrypt() const { return flagsE & 0x40; }
    bool NumericInverted() const { return flagsE & 0x08; }
    bool NumericDouble() const { return flagsE & 0x04; }
    int Digits() const { return digitsByte & 0x0F; }
    bool LeadingZeros() const { return flagsF & 0x80; }
    bool RangeCheck() const { return flagsF & 0x01; }
    // String
    bool StringDouble() const { return flagsG & 0x80; }
    bool StringInverted() const { return flagsG & 0x40; }
    int StringCount() const { return flagsG & 0x3F; }
};

// How a meter's or numeric's value is held, read from its flag bits.
struct RuntimeValueFormat
{
    bool isFloat = false;
    bool dec = true; // else HEX/BCD
    bool isSigned = false;
    bool twoRegisters = false;
    int decimalPlaces = 0;
};
RuntimeValueFormat BarMeterFormat(const RuntimeObject& o);
RuntimeValueFormat TrendMeterFormat(const RuntimeObject& o);
RuntimeValueFormat NumericFormat(const RuntimeObject& o);

struct RuntimeScreen
{
    std::uint16_t number = 0; // from the screen table
    std::uint32_t offset = 0; // of its record, from the screen image's start
    std::uint16_t next = 0, previous = 0;
    std::array<RuntimeFunctionKey, 5> keys{};
    std::vector<RuntimeObject> objects;
};

struct RuntimeAlarm
{
    std::uint16_t number = 0;
    RuntimeText message;
};

struct RuntimeAlarms
{
    std::uint16_t firstCoilAddress = 0;
    std::uint8_t device = 0;
    std::vector<RuntimeAlarm> alarms;
};

struct RuntimeDevice
{
    std::array<std::uint8_t, 16> bytes{};
    std::uint8_t Station() const { return bytes[0]; }
};

struct RuntimeComm
{
    std::uint8_t currentDevice = 0;
    std::array<std::uint8_t, 31> settings{}; // offsets 16 to 46 of the image, as written
    std::vector<RuntimeDevice> devices;

    std::uint8_t ByteOrder() const { return settings[33 - 16]; }
    std::uint8_t WordOrder() const { return settings[34 - 16]; }
    std::uint16_t BaudCode() const { return std::uint16_t(settings[0] << 8 | settings[1]); }
};

struct RuntimeImage
{
    RuntimeProjectHeader header;
    std::vector<RuntimeScreen> screens; // in screen table order
    RuntimeAlarms alarms;
    QByteArray font;       // the whole font image; glyph offsets count from its first byte
    QByteArray bitmapData; // the bitmap image from its offset 16; picture offsets count from here
    RuntimeComm comm;

    const RuntimeScreen* FindScreen(int number) const;
    // The glyph of a character: 16 or 32 column-packed bytes, or null when
    // it lies outside the font image.
    const std::uint8_t* Glyph(const RuntimeChar& c) const;
    // A picture of w x h pixels at `offset` of the bitmap data, or null when
    // it does not lie wholly inside.
    const std::uint8_t* Picture(std::uint32_t offset, int w, int h) const;
};
