#pragma once

class CProjectController;
class CDigitSpinEdit;
class QLineEdit;

// The OK check of the New and Rename dialogs: the number (GUI-001, GUI-002,
// `excludedNumber` being the renamed screen's own) and then the name; on a
// fault the message is shown, the field takes the focus with its text
// selected, and false comes back.
bool CheckScreenNumberAndName(CProjectController& controller, CDigitSpinEdit* number,
                              QLineEdit* name, int excludedNumber);
