#include "ChoiceBox.h"
#include "base/AppSettings.h"

#include <QComboBox>

namespace ChoiceBox {

namespace {
// Marks the entry that shows a stored value no entry of the list has.
constexpr int kStoredRole = Qt::UserRole + 1;

void dropStoredEntry(QComboBox* box)
{
    for (int i = box->count() - 1; i >= 0; --i)
        if (box->itemData(i, kStoredRole).toBool())
            box->removeItem(i);
}

void selectOrAppend(QComboBox* box, int found, const QString& text, const QVariant& value)
{
    if (found < 0) {
        box->addItem(text, value);
        found = box->count() - 1;
        box->setItemData(found, true, kStoredRole);
    }
    box->setCurrentIndex(found);
}
} // namespace

void Fill(QComboBox* box, CommChoices::List list, const CAppSettings* settings, int section)
{
    box->clear();
    for (const CommChoices::Choice& c : list) {
        const QString english = QString::fromUtf8(c.text);
        box->addItem(settings && section >= 0 ? settings->LookupText(section, english) : english,
                     c.code);
    }
}

void Show(QComboBox* box, int code)
{
    dropStoredEntry(box);
    selectOrAppend(box, box->findData(code), QString::number(code), code);
}

int Code(const QComboBox* box)
{
    return box->currentData().toInt();
}

void ShowText(QComboBox* box, const QString& text)
{
    dropStoredEntry(box);
    selectOrAppend(box, box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive), text, text);
}

QString Text(const QComboBox* box)
{
    return box->currentText();
}

} // namespace ChoiceBox
