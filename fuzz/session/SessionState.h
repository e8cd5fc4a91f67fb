#pragma once
#include <QByteArray>
#include <QSet>
#include <QString>

#include <map>

class CProjectController;
class CTessanApp;
struct AppPaths;

// A project as comparable bytes: its records as the project document holds
// them (the save date set aside) and each screen's file as the screen writer
// writes it after reading it back. Two states are equal when a user could
// not tell the projects apart.
struct SessionState
{
    QByteArray records;
    std::map<int, QByteArray> screens;
    bool operator==(const SessionState&) const = default;

    // Where the two first differ, in words (empty when they are equal).
    QString DifferenceFrom(const SessionState& other) const;
    // What of `earlier` this state lacks, in words (empty when it holds all
    // of it): the records but the screen list equal, and every screen of
    // `earlier` with its bytes, but those in `rewritten` (their files were
    // written since, so they may hold more).
    QString Lacks(const SessionState& earlier, const QSet<int>& rewritten) const;
};

namespace SessionStates {

// The records of a project: the project document's bytes with a fixed date;
// with `anyName`, its name and location set aside too (a recovered project
// has a name of its own).
QByteArray Records(const CTessanApp& app, bool anyName = false);

// The open project as it stands: loaded screens from their documents (their
// unsaved edits included), the others from their files in the project folder.
// With `asReadBack`, each screen as a package written now would read back:
// a package carries the program's version, so its screens are read outside
// legacy range mode, where the legacy range fields are not taken from a file.
SessionState Now(const CProjectController& controller, bool anyName = false,
                 bool asReadBack = false);

// The state a package holds, opened afresh in a scratch program folder of its
// own (nothing of the session's folders is touched). False when it does not
// open.
bool OfPackage(const AppPaths& program, const QString& packagePath, SessionState* state,
               bool anyName = false);

// The open project written by the package writer into a scratch package (the
// session's project folder, package and flags untouched); the package path,
// or empty.
QString PackToScratch(const CProjectController& controller, const QString& scratchDir);

// Every device name that a reference in effect names and the device list
// lacks: the objects of every screen, the action in effect of every used
// function key, every alarm coil, every enabled PLC <-> Panel word.
QSet<QString> MissingDevices(const CProjectController& controller);
// The device names that the objects of screen-file bytes name.
QSet<QString> DeviceNamesIn(const QByteArray& screenBytes);

} // namespace SessionStates
