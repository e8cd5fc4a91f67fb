#include "FunctionTreePane.h"
#include "base/LanguageSection.h"
#include "ui/widgets/UiText.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

CFunctionTreePane::CFunctionTreePane(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      tree_(new QTreeWidget(this))
{
    auto text = [&](const char* english) {
        return UiText(settings, IDD_DLG_DOT_FUNCTION, QString::fromUtf8(english));
    };
    setWindowTitle(text("Navigation-Function"));
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(windowTitle());
    auto branch = [&](const char* name, std::initializer_list<std::pair<const char*, int>> items) {
        auto* top = new QTreeWidgetItem(tree_, {text(name)});
        top->setData(0, Qt::UserRole, 0);
        for (const auto& [label, code] : items) {
            auto* item = new QTreeWidgetItem(top, {text(label)});
            item->setData(0, Qt::UserRole, code);
        }
        top->setExpanded(true);
    };
    branch("Setup", {{"Panel Manager", PanelManager},
                     {"Configure Password", Password},
                     {"PLC <-> Panel", PlcPanel},
                     {"Alarm Control Setup", AlarmSetup}});
    branch("Manual", {{"Software Manual", SoftwareManual}, {"Hardware Manual", HardwareManual}});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int code = item ? item->data(0, Qt::UserRole).toInt() : 0;
        if (code != 0)
            emit itemActivated(code);
    });
}
