#pragma once
#include "project/CommChoices.h"

#include <QString>

class CAppSettings;
class QComboBox;

// A drop-down list whose entries carry the values they store. A stored value
// that no entry has is shown as it is: an extra last entry reads it and is
// selected, so the list stores it unchanged until the user picks another
// entry, and then the entry picked.
namespace ChoiceBox {
// Fills the list from a choice list, each entry with its code. Entry texts
// are looked up in `section` (the English text stays when the language file
// has none).
void Fill(QComboBox* box, CommChoices::List list, const CAppSettings* settings = nullptr,
          int section = -1);
// Selects the entry whose code is `code`, else an extra last entry that
// reads the number.
void Show(QComboBox* box, int code);
// The code of the selected entry (the extra entry's is the stored value).
int Code(const QComboBox* box);
// For a list of names: selects the entry that reads `text` (exactly, case
// counting), else an extra last entry that reads it.
void ShowText(QComboBox* box, const QString& text);
// The selected entry's text.
QString Text(const QComboBox* box);
} // namespace ChoiceBox
