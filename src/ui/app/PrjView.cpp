#include "PrjView.h"

#include <QPainter>

CPrjView::CPrjView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CPrjView::paintEvent(QPaintEvent*)
{
    // QMdiArea paints its empty workspace with the Dark role.
    QPainter(this).fillRect(rect(), palette().brush(QPalette::Dark));
}
