#pragma once
#include <QString>

class CTessanApp;
class CTessanDoc;
class CProjectModel;
class CScreenObject;

// The screen commands that keep the screen list and the screen files in step.
namespace ScreenCommands {

inline constexpr int kMaxNameLength = 32;

// New Screen: the record (numbered and named by the caller) and an empty
// screen file in the project folder. Sets the modified flag.
CScreenObject* NewScreen(CTessanApp& app, int number, const QString& name);
// The default name of a new screen: "Screen %d".
QString DefaultScreenName(int number);
// Path of a screen's file inside the project folder; false when the name
// would lead out of the folder.
bool ScreenFilePath(const CTessanApp& app, int number, const QString& name, QString* path);
// The screen clipboard: CopyTemp in the project folder.
QString CopyTempPath(const CTessanApp& app);
// All of 1..999 are taken: New and Paste have no number to offer.
bool AllNumbersUsed(const CProjectModel& model);

// The number text of the New and Rename dialogs. `excludedNumber` is the
// renamed screen's own number (0 for New).
enum class NumberProblem {
    None,
    Invalid, // "Error GUI-001 : Screen No. is invaild. Input a value between 1 to 999"
    Used,    // "Error GUI-002 : Selected Screen No. has already been used"
};
NumberProblem CheckNumber(const CProjectModel& model, const QString& text, int excludedNumber);
// The number of a text that passed CheckNumber.
int NumberOf(const QString& text);

// A screen name becomes part of the screen file's name.
enum class NameProblem {
    None,
    Empty,        // nothing or only blanks
    BadCharacter, // "/", "\" or a control character
    BadEnding,    // a dot or a blank at the end
};
NameProblem CheckName(const QString& name);
// The English message of a refusal, its key in the language file.
QString MessageOf(NumberProblem problem);
QString MessageOf(NameProblem problem);

// Copy Screen: the screen's document (when loaded, else its file as it is)
// written to its screen file and to CopyTemp. False when either cannot be
// written.
bool CopyScreen(CTessanApp& app, int number, CTessanDoc* loadedDoc);
// Paste Screen: CopyTemp becomes the file of a new screen with the first
// free number and its default name, with a new record. Null when no number is
// free or the file cannot be copied (nothing is changed then).
CScreenObject* PasteScreen(CTessanApp& app);

enum class RenameResult {
    Unchanged, // same number and name: nothing happened
    Renamed,   // the record and the file carry the new number and name
    Failed,    // the file could not be copied: nothing changed (GUI-005)
};
// Rename Screen: the loaded document (when any) is saved to the old file
// first; the old file is copied to the new name, the old record and file
// removed and a new record added that keeps the previous and next numbers
// and the five function keys. Sets the modified flag when renamed.
RenameResult RenameScreen(CTessanApp& app, int oldNumber, int newNumber, const QString& newName,
                          CTessanDoc* loadedDoc);
// Delete Screen: the record and its file. Sets the modified flag.
bool DeleteScreen(CTessanApp& app, int number);

} // namespace ScreenCommands
