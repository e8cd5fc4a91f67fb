#pragma once
#include "RuntimeImage.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class CPanelSimulator;

// Drives a simulated panel step by step, as qv-cli simulate and its scripts
// do. One step a line:
//   set REF VALUE            the PLC writes a register or coil
//   press F2 / release F2    a function key goes down / up
//   wait MS                  time goes on (1 tick = 1 ms)
//   password DIGITS          answers the panel's password question (now, or
//                            the next one when none is pending)
//   expect screen N
//   expect coil REF on|off
//   expect register REF VALUE
//   frame PATH               writes the display as it is now
//   # ...                    a comment; empty lines are skipped
// A reference is "R700" (the first device) or "DEV001.R700": area letters and
// the number in the area's radix. A value is decimal, 0x... hexadecimal, or
// a float when it holds a ".". A register that the image uses as a value of
// two registers (or a value that needs 32 bits) is written and compared as
// one 32-bit value over both.
class CSimulationScript
{
public:
    enum class Result { Done, Unmet, Error };

    // `stations` names the devices (name -> station number); the first device
    // is the one a reference without a device name means.
    CSimulationScript(CPanelSimulator& panel, QHash<QString, int> stations, int firstStation);

    // Where `frame PATH` goes; false when the file cannot be written.
    std::function<bool(const QString& path, QString* error)> writeFrame;

    // One step. Unmet: an expectation that does not hold (`message` says what
    // was found); Error: a step that cannot be read or done.
    Result Step(const QString& line, QString* message);
    // Every line of a script; stops at the first that is not Done, with its
    // line number (from 1) in `lineNumber` and the reason in `message`.
    Result Run(const QStringList& lines, int* lineNumber, QString* message);

    // The pieces, for callers that read their own syntax.
    bool ParseRegister(const QString& text, RuntimeRegister* reg, bool* coil, QString* error) const;
    bool Set(const QString& ref, const QString& value, QString* error);
    bool Press(const QString& key, QString* error);
    bool Release(const QString& key, QString* error);
    void Wait(int ms);
    void Password(const QString& digits);

    // The names of a device list without names: "DEV%03d" of each station.
    static QHash<QString, int> StationNames(const RuntimeImage& image);

private:
    bool keyNumber(const QString& key, int* n, QString* error) const;
    bool twoRegisters(RuntimeRegister reg, const QString& value) const;
    void answerPassword();
    Result expect(const QStringList& words, QString* message);

    CPanelSimulator& panel_;
    QHash<QString, int> stations_;
    int firstStation_;
    QString password_; // kept for the next question
};
