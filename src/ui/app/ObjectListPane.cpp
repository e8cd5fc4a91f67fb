#include "ObjectListPane.h"
#include "IconPainter.h"
#include "ObjectKindList.h"
#include "base/LanguageSection.h"
#include "screen/ObjectFactory.h"
#include "ui/widgets/UiText.h"

#include <QVBoxLayout>

CObjectListPane::CObjectListPane(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      list_(new CObjectKindList(this))
{
    setWindowTitle(UiText(settings, IDD_DLG_DOT_OBJECTLIST, QStringLiteral("Object List")));
    list_->setAccessibleName(windowTitle());
    // The kinds in the fixed order of their codes.
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        auto* item = new QListWidgetItem(
            IconPainter::KindIcon(kind),
            UiText(settings, IDD_DLG_DOT_OBJECTLIST, ObjectKindName(kind)), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setDragEnabled(true);
    list_->setDragDropMode(QAbstractItemView::DragOnly);
    list_->setDefaultDropAction(Qt::CopyAction);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list_->selectedItems().isEmpty()) {
            list_->setCurrentRow(0); // an empty selection falls back to the first kind
            return;
        }
        emit kindSelected(list_->currentRow());
    });
}
