#include "PropertyFormDialog.h"

CPropertyFormDialog::CPropertyFormDialog(QWidget* parent) : QDialog(parent)
{
    setModal(false);
}

void CPropertyFormDialog::accept()
{
    if (onOk && !onOk())
        return;
    QDialog::accept();
}

void CPropertyFormDialog::reject()
{
    QDialog::reject();
    // Cancel may take the object away and its form with it: nothing of this
    // window is touched after it.
    if (auto cancel = onCancel)
        cancel();
}
