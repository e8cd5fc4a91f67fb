#include "DlgScreenDelete.h"
#include "ui/widgets/DialogPlace.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgScreenDelete.h"

#include <QKeyEvent>
#include <algorithm>

CDlgScreenDelete::CDlgScreenDelete(CProjectController& controller, DeleteScreens deleteScreens,
                                   QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgScreenDelete>()),
      deleteScreens_(std::move(deleteScreens))
{
    ui_->setupUi(this);
    const CAppSettings& s = controller.App().settings;
    DialogTexts::Apply(this, s, IDD_DLG_SCREEN_DELETE);
    RememberDialogPlace(this, s, QStringLiteral("PlaceDeleteScreen"));
    ui_->listScreens->setHeaderLabels(
        {s.LookupText(IDD_DLG_SCREEN_DELETE, QStringLiteral("No.")),
         s.LookupText(IDD_DLG_SCREEN_DELETE, QStringLiteral("Screen Name"))});
    ui_->listScreens->setAccessibleName(ui_->labelList->text().remove(QLatin1Char('&')));
    connect(ui_->buttonDelete, &QPushButton::clicked, this, &CDlgScreenDelete::onDelete);
    connect(ui_->buttonClose, &QPushButton::clicked, this, &CDlgScreenDelete::reject);
    ui_->listScreens->installEventFilter(this);
    Refill();
}

CDlgScreenDelete::~CDlgScreenDelete() = default;

void CDlgScreenDelete::Refill()
{
    ui_->listScreens->clear();
    std::vector<std::pair<int, QString>> rows;
    for (const auto& screen : controller_.App().model.screens)
        rows.emplace_back(screen->number, screen->name);
    std::sort(rows.begin(), rows.end());
    for (const auto& [number, name] : rows) {
        auto* item = new QTreeWidgetItem(ui_->listScreens, {QString::number(number), name});
        item->setData(0, Qt::UserRole, number);
    }
    ui_->listScreens->resizeColumnToContents(0);
    if (ui_->listScreens->topLevelItemCount() > 0)
        ui_->listScreens->setCurrentItem(ui_->listScreens->topLevelItem(0), 0,
                                         QItemSelectionModel::NoUpdate);
    ui_->buttonDelete->setEnabled(ui_->listScreens->topLevelItemCount() > 0);
}

void CDlgScreenDelete::SelectNumber(int number)
{
    for (int i = 0; i < ui_->listScreens->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ui_->listScreens->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == number) {
            ui_->listScreens->setCurrentItem(
                item, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

QList<int> CDlgScreenDelete::SelectedNumbers() const
{
    QList<int> numbers;
    for (int i = 0; i < ui_->listScreens->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ui_->listScreens->topLevelItem(i);
        if (item->isSelected())
            numbers.append(item->data(0, Qt::UserRole).toInt());
    }
    return numbers;
}

bool CDlgScreenDelete::eventFilter(QObject* watched, QEvent* event)
{
    // The Delete key in the list does what the button does.
    if (watched == ui_->listScreens && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        onDelete();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgScreenDelete::onDelete()
{
    const QList<int> numbers = SelectedNumbers();
    if (numbers.isEmpty())
        return;
    deleteScreens_(numbers);
    Refill();
    ui_->listScreens->setFocus();
}
