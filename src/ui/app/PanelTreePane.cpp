#include "PanelTreePane.h"
#include "base/LanguageSection.h"
#include "ui/widgets/UiText.h"

#include <QTreeWidget>
#include <QVBoxLayout>

CPanelTreePane::CPanelTreePane(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      tree_(new QTreeWidget(this))
{
    setWindowTitle(UiText(settings, IDD_DLG_DOT_PANEL, QStringLiteral("Navigation-Panel")));
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(windowTitle());
    auto* top =
        new QTreeWidgetItem(tree_, {UiText(settings, IDD_DLG_DOT_PANEL, QStringLiteral("Panel"))});
    top->setData(0, Qt::UserRole, 0);
    information_ = new QTreeWidgetItem(
        top, {UiText(settings, IDD_DLG_DOT_PANEL, QStringLiteral("Panel Information"))});
    information_->setData(0, Qt::UserRole, int(PanelInformation));
    top->setExpanded(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int code = item ? item->data(0, Qt::UserRole).toInt() : 0;
        if (code != 0 && (item->flags() & Qt::ItemIsEnabled))
            emit itemActivated(code);
    });
}

void CPanelTreePane::SetInformationEnabled(bool on)
{
    information_->setFlags(on ? information_->flags() | Qt::ItemIsEnabled
                              : information_->flags() & ~Qt::ItemIsEnabled);
}
