#include "DlgBitmapManager.h"
#include "BitmapThumbnailModel.h"
#include "ui_DlgBitmapManager.h"

#include "app/BitmapLibrary.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ProjectMessages.h"
#include "ui/widgets/DialogPlace.h"
#include "ui/widgets/DialogTexts.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kCategoryRole = Qt::UserRole + 1;

const QString kPickPrompt = QStringLiteral("Error OBJ-006 : Please selecte a bitmap!");
const QString kExportFailed = QStringLiteral("Error GUI-006 : Export bitmap file failed");
const QString kExporting = QStringLiteral("Exportting user bitmap file...");
const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete the bitmap?");

} // namespace

CDlgBitmapManager::CDlgBitmapManager(CProjectController& controller, const QString& folderPart,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgBitmapManager>())
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    DialogTexts::Apply(this, controller_.App().settings, IDD_DLG_BITMAP_MANAGER);
    ui_->buttonBrowse->setAccessibleName(ui_->labelImport->text().remove(QLatin1Char('&')));
    ui_->splitter->setStretchFactor(1, 1);
    ui_->splitter->setSizes({170, 600});
    // Names of one library differ at their ends (arrow_16_16_LEFT.bmp).
    ui_->listBitmaps->setTextElideMode(Qt::ElideMiddle);

    files_ = new CBitmapThumbnailModel(this);
    ui_->listBitmaps->setModel(files_);

    root_ = addNode(nullptr, QStringLiteral("BitMap"), NodePlain);
    system_ = addNode(root_, QStringLiteral("System"), NodePlain);
    for (const QString& category : CBitmapLibrary::Categories())
        addNode(system_, category, NodeCategory)->setData(0, kCategoryRole, category);
    user_ = addNode(root_, QStringLiteral("User"), NodeUser);
    ui_->treeLibrary->expandAll();
    // Screen readers name the two lists in the language of the dialog.
    ui_->treeLibrary->setAccessibleName(root_->text(0));
    ui_->listBitmaps->setAccessibleName(windowTitle());

    connect(ui_->treeLibrary, &QTreeWidget::currentItemChanged, this,
            &CDlgBitmapManager::treeChanged);
    connect(ui_->listBitmaps->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CDlgBitmapManager::updateButtons);
    connect(ui_->listBitmaps, &QListView::activated, this, &CDlgBitmapManager::accept);
    connect(ui_->editImportPath, &QLineEdit::textChanged, this, &CDlgBitmapManager::updateButtons);
    connect(ui_->buttonBrowse, &QPushButton::clicked, this, &CDlgBitmapManager::browse);
    connect(ui_->buttonAdd, &QPushButton::clicked, this, &CDlgBitmapManager::addToProject);
    connect(ui_->buttonDelete, &QPushButton::clicked, this, &CDlgBitmapManager::deleteSelected);
    connect(ui_->buttonExportAll, &QPushButton::clicked, this, &CDlgBitmapManager::exportAll);
    connect(ui_->buttonExportOne, &QPushButton::clicked, this, &CDlgBitmapManager::exportOne);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &CDlgBitmapManager::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ui_->listBitmaps->installEventFilter(this);

    // Start on the bitmap's own folder with it selected.
    QTreeWidgetItem* start = user_;
    if (!fileName.isEmpty() && !folderPart.isEmpty()) {
        start = nullptr;
        for (const QString& category : CBitmapLibrary::Categories())
            if (folderPart.compare(CBitmapLibrary::SystemFolderPart(category), Qt::CaseInsensitive)
                == 0)
                start = CategoryItem(category);
    }
    ui_->treeLibrary->setCurrentItem(start ? start : root_);
    if (start && !fileName.isEmpty()) {
        const int row = files_->RowOf(fileName);
        if (row >= 0)
            ui_->listBitmaps->setCurrentIndex(files_->index(row));
    }
    updateButtons();
    // Larger than its least size the first time, to show more thumbnails.
    resize(760, 520);
    RememberDialogPlace(this, controller_.App().settings, QStringLiteral("PlaceBitmapManager"),
                        true);
    runFileDialog_ = [](QFileDialog& dialog) {
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

CDlgBitmapManager::~CDlgBitmapManager() = default;

bool CDlgBitmapManager::Choose(QWidget* parent, CProjectController& controller, QString& folderPart,
                               QString& fileName)
{
    CDlgBitmapManager dialog(controller, folderPart, fileName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    folderPart = dialog.FolderPart();
    fileName = dialog.FileName();
    return true;
}

QString CDlgBitmapManager::text(const QString& english) const
{
    return controller_.App().settings.LookupText(IDD_DLG_BITMAP_MANAGER, english);
}

QString CDlgBitmapManager::message(const QString& english) const
{
    return ProjectMessages::Text(controller_, english);
}

QTreeWidgetItem* CDlgBitmapManager::addNode(QTreeWidgetItem* parent, const QString& english,
                                            int kind)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(ui_->treeLibrary);
    item->setText(0, text(english));
    item->setData(0, kKindRole, kind);
    return item;
}

QTreeWidgetItem* CDlgBitmapManager::CategoryItem(const QString& category) const
{
    for (int i = 0; i < system_->childCount(); ++i)
        if (system_->child(i)->data(0, kCategoryRole).toString() == category)
            return system_->child(i);
    return nullptr;
}

int CDlgBitmapManager::currentKind() const
{
    const QTreeWidgetItem* item = ui_->treeLibrary->currentItem();
    return item ? item->data(0, kKindRole).toInt() : NodePlain;
}

QStringList CDlgBitmapManager::selectedFiles() const
{
    QModelIndexList rows = ui_->listBitmaps->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList names;
    for (const QModelIndex& row : rows)
        names.append(files_->FileName(row.row()));
    return names;
}

void CDlgBitmapManager::treeChanged()
{
    const QTreeWidgetItem* item = ui_->treeLibrary->currentItem();
    const int kind = currentKind();
    QString folder;
    if (kind == NodeCategory)
        folder = controller_.SystemBitmapFolder(item->data(0, kCategoryRole).toString());
    else if (kind == NodeUser)
        folder = controller_.UserBitmapFolder();
    files_->SetFolder(folder);
    if (folder.isEmpty())
        ui_->editImportPath->setFocus();
    updateButtons();
}

void CDlgBitmapManager::updateButtons()
{
    const bool user = currentKind() == NodeUser;
    const bool selected = ui_->listBitmaps->selectionModel()->hasSelection();
    ui_->buttonAdd->setEnabled(!ui_->editImportPath->text().trimmed().isEmpty());
    ui_->buttonDelete->setEnabled(user && selected);
    ui_->buttonExportAll->setEnabled(user && files_->rowCount() > 0);
    ui_->buttonExportOne->setEnabled(user && selected);
}

void CDlgBitmapManager::showUserBitmaps(const QString& select)
{
    if (ui_->treeLibrary->currentItem() != user_)
        ui_->treeLibrary->setCurrentItem(user_);
    else
        treeChanged();
    const int row = files_->RowOf(select);
    if (row >= 0)
        ui_->listBitmaps->setCurrentIndex(files_->index(row));
    updateButtons();
}

void CDlgBitmapManager::browse()
{
    QFileDialog dialog(this, text(QStringLiteral("Add to project")).remove(QLatin1Char('&')));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {text(QStringLiteral("BitMap Flies(*.bmp)")), text(QStringLiteral("All Files (*.*)"))});
    const QString current = ui_->editImportPath->text().trimmed();
    if (!current.isEmpty())
        dialog.selectFile(current);
    const QString chosen = runFileDialog_(dialog);
    if (!chosen.isEmpty())
        ui_->editImportPath->setText(QDir::toNativeSeparators(chosen));
}

void CDlgBitmapManager::addToProject()
{
    const QString path = QDir::fromNativeSeparators(ui_->editImportPath->text().trimmed());
    if (path.isEmpty())
        return;
    switch (controller_.ImportBitmap(path)) {
    case CBitmapLibrary::ImportResult::Imported: showUserBitmaps(QFileInfo(path).fileName()); break;
    case CBitmapLibrary::ImportResult::NotABitmapFile:
        ProjectMessages::Warning(
            controller_, message(QStringLiteral("Only .bmp files can be added to the project")));
        break;
    case CBitmapLibrary::ImportResult::Unreadable:
        ProjectMessages::Warning(controller_, message(QStringLiteral("The file %1 can't be read"))
                                                  .arg(QDir::toNativeSeparators(path)));
        break;
    case CBitmapLibrary::ImportResult::Unwritable:
        ProjectMessages::Warning(
            controller_,
            message(QStringLiteral("The file %1 can't be written"))
                .arg(QDir::toNativeSeparators(controller_.UserBitmapFolder() + QLatin1Char('/')
                                              + QFileInfo(path).fileName())));
        break;
    }
}

void CDlgBitmapManager::deleteSelected()
{
    const QStringList names = selectedFiles();
    if (currentKind() != NodeUser || names.isEmpty())
        return;
    // One question; when static bitmap objects show the bitmaps it names
    // them, from every screen as it stands.
    QStringList uses;
    for (const QString& name : names)
        uses << std::as_const(controller_).BitmapUses(name);
    if (uses.isEmpty()) {
        if (!ProjectMessages::AskBeforeDeleting(controller_, kDeleteQuestion,
                                                MessageButtons::OkCancel))
            return;
    } else {
        const QString question = message(QStringLiteral("These objects show the bitmap:"))
                                 + QLatin1Char('\n') + uses.join(QLatin1Char('\n'))
                                 + QLatin1Char('\n') + message(kDeleteQuestion);
        if (controller_.Messages().Ask(question, message(QStringLiteral("Warning")),
                                       MessageButtons::OkCancel, MessageAnswer::Cancel)
            != MessageAnswer::Ok)
            return;
    }
    for (const QString& name : names)
        controller_.DeleteBitmap(name);
    showUserBitmaps(QString());
}

bool CDlgBitmapManager::exportFile(const QString& name, const QString& target)
{
    ui_->labelStatus->setText(message(kExporting));
    ui_->labelStatus->repaint();
    const bool copied =
        CBitmapLibrary::CopyFile(QDir(controller_.UserBitmapFolder()).filePath(name), target);
    ui_->labelStatus->clear();
    if (!copied)
        ProjectMessages::Error(controller_, kExportFailed);
    return copied;
}

void CDlgBitmapManager::exportAll()
{
    if (currentKind() != NodeUser)
        return;
    QFileDialog dialog(this, text(QStringLiteral("Select folder for New Project")), exportFolder_);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString chosen = runFileDialog_(dialog);
    if (chosen.isEmpty())
        return;
    exportFolder_ = chosen;
    for (const QString& name : CBitmapLibrary::ListBitmaps(controller_.UserBitmapFolder()))
        if (!exportFile(name, QDir(exportFolder_).filePath(name)))
            return;
}

void CDlgBitmapManager::exportOne()
{
    if (currentKind() != NodeUser)
        return;
    for (const QString& name : selectedFiles()) {
        QFileDialog dialog(this, text(QStringLiteral("Export One")).remove(QLatin1Char('&')));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(
            {text(QStringLiteral("BitMap Flies(*.bmp)")), text(QStringLiteral("All Files (*.*)"))});
        if (!exportFolder_.isEmpty())
            dialog.setDirectory(exportFolder_);
        dialog.selectFile(name);
        const QString chosen = runFileDialog_(dialog);
        if (chosen.isEmpty())
            return;
        const QString target = CBitmapLibrary::ExportTargetName(chosen);
        exportFolder_ = QFileInfo(target).absolutePath();
        if (!exportFile(name, target))
            return;
    }
}

void CDlgBitmapManager::accept()
{
    const int kind = currentKind();
    QModelIndex file = ui_->listBitmaps->currentIndex();
    if (!file.isValid() || !ui_->listBitmaps->selectionModel()->isSelected(file)) {
        const QModelIndexList rows = ui_->listBitmaps->selectionModel()->selectedRows();
        file = rows.isEmpty() ? QModelIndex() : rows.first();
    }
    if (kind == NodePlain || !file.isValid()) {
        resultFolder_.clear();
        resultFile_.clear();
        ProjectMessages::Warning(controller_, message(kPickPrompt));
        return;
    }
    resultFolder_ = kind == NodeCategory ? CBitmapLibrary::SystemFolderPart(
                        ui_->treeLibrary->currentItem()->data(0, kCategoryRole).toString())
                                         : QString();
    resultFile_ = files_->FileName(file.row());
    QDialog::accept();
}

bool CDlgBitmapManager::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->listBitmaps && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete
        && ui_->buttonDelete->isEnabled()) {
        deleteSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
