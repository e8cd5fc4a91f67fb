#pragma once
#include "project/CommChoices.h"

class CAppSettings;
class QComboBox;

// A drop-down list over one choice list: each entry carries its code.
namespace ChoiceBox {
// Entry texts are looked up in `section` (the English text stays when the
// language file has none).
void Fill(QComboBox* box, CommChoices::List list, const CAppSettings* settings = nullptr,
          int section = -1);
// Shows the entry whose code is `code`, or the first one.
void Show(QComboBox* box, CommChoices::List list, int code);
// The code of the selected entry. A stored value that no entry has stays
// as it was while the list still shows the entry it fell back to: looking at
// a page changes nothing the user did not choose.
int Code(const QComboBox* box, CommChoices::List list, int stored);
} // namespace ChoiceBox
