#include "RegisterField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CRegisterField::CRegisterField(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      pick_(new QPushButton(QStringLiteral("..."), this))
{
    edit_->setObjectName(QStringLiteral("editReference"));
    edit_->setReadOnly(true);
    pick_->setObjectName(QStringLiteral("buttonPick"));
    pick_->setMaximumWidth(32);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_, 1);
    layout->addWidget(pick_);
    setFocusProxy(edit_);
    connect(pick_, &QPushButton::clicked, this, &CRegisterField::Pick);
}

void CRegisterField::Bind(int kind, Picker picker)
{
    kind_ = kind;
    picker_ = std::move(picker);
}

void CRegisterField::SetRef(const RegisterRef& ref)
{
    ref_ = ref;
    edit_->setText(ref_.ToText());
}

void CRegisterField::Pick()
{
    RegisterRef ref = ref_;
    if (picker_ && picker_(window(), kind_, ref)) {
        SetRef(ref);
        emit picked();
    }
}

bool CRegisterField::event(QEvent* event)
{
    // The label's text is final once the window's texts are applied, which
    // happens before the window is first shown.
    if (event->type() == QEvent::Polish)
        takeLabelName();
    return QWidget::event(event);
}

void CRegisterField::takeLabelName()
{
    if (!parentWidget())
        return;
    for (const QLabel* label : parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() != this)
            continue;
        const QString name = label->text().remove(QLatin1Char('&'));
        edit_->setAccessibleName(name);
        pick_->setAccessibleName(name);
        return;
    }
}
