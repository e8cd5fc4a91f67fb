#include "ChoiceBox.h"
#include "base/AppSettings.h"

#include <QComboBox>

namespace ChoiceBox {

void Fill(QComboBox* box, CommChoices::List list, const CAppSettings* settings, int section)
{
    box->clear();
    for (const CommChoices::Choice& c : list) {
        const QString english = QString::fromUtf8(c.text);
        box->addItem(settings && section >= 0 ? settings->LookupText(section, english) : english,
                     c.code);
    }
}

void Show(QComboBox* box, CommChoices::List list, int code)
{
    box->setCurrentIndex(CommChoices::IndexOfCode(list, code));
}

int Code(const QComboBox* box, CommChoices::List list, int stored)
{
    const int code = CommChoices::CodeAt(list, box->currentIndex());
    const bool listed = CommChoices::CodeAt(list, CommChoices::IndexOfCode(list, stored)) == stored;
    if (!listed && box->currentIndex() == CommChoices::IndexOfCode(list, stored))
        return stored;
    return code;
}

} // namespace ChoiceBox
