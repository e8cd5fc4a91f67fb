#pragma once
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class CBitmapThumbnailModel;
class CProjectController;
class QFileDialog;
class QTreeWidgetItem;
namespace Ui {
class CDlgBitmapManager;
}

// "BitMap Manager": browses the system library by category and the
// project's own bitmaps as thumbnails, adds files to the project, deletes
// and exports its bitmaps, and returns the chosen bitmap as a folder part
// ("BMP_Files\<category>", or empty for a bitmap of the project) and a file
// name.
class CDlgBitmapManager : public QDialog
{
    Q_OBJECT
public:
    // Starts on the bitmap's category (or the project's bitmaps) with the
    // bitmap selected; without a file name it starts on the project's.
    CDlgBitmapManager(CProjectController& controller, const QString& folderPart,
                      const QString& fileName, QWidget* parent = nullptr);
    ~CDlgBitmapManager() override;

    // Opens the manager; true with `folderPart` and `fileName` replaced when
    // the user chose a bitmap.
    static bool Choose(QWidget* parent, CProjectController& controller, QString& folderPart,
                       QString& fileName);

    QString FolderPart() const { return resultFolder_; }
    QString FileName() const { return resultFile_; }
    Ui::CDlgBitmapManager& Fields() const { return *ui_; }
    CBitmapThumbnailModel& Files() const { return *files_; }
    // Runs the file dialogs of Browse, Export All and Export One: given the
    // dialog as set up, gives the chosen path or nothing for Cancel. By
    // default the dialog runs modally; a test answers it instead.
    using FileDialogRunner = std::function<QString(QFileDialog&)>;
    void SetFileDialogRunner(FileDialogRunner runner) { runFileDialog_ = std::move(runner); }

    // The tree items: the root "BitMap", "System", its categories, "User".
    QTreeWidgetItem* RootItem() const { return root_; }
    QTreeWidgetItem* SystemItem() const { return system_; }
    QTreeWidgetItem* CategoryItem(const QString& category) const;
    QTreeWidgetItem* UserItem() const { return user_; }

public slots:
    void accept() override;

private:
    enum NodeKind { NodePlain = 0, NodeCategory = 1, NodeUser = 2 };

    QString text(const QString& english) const;
    QString message(const QString& english) const;
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& english, int kind);
    int currentKind() const;
    QStringList selectedFiles() const;
    void treeChanged();
    void updateButtons();
    void showUserBitmaps(const QString& select);
    void browse();
    void addToProject();
    void deleteSelected();
    void exportAll();
    void exportOne();
    bool exportFile(const QString& name, const QString& target);
    bool eventFilter(QObject* watched, QEvent* event) override;

    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgBitmapManager> ui_;
    CBitmapThumbnailModel* files_ = nullptr;
    QTreeWidgetItem* root_ = nullptr;
    QTreeWidgetItem* system_ = nullptr;
    QTreeWidgetItem* user_ = nullptr;
    QString resultFolder_;
    QString resultFile_;
    QString exportFolder_;
    FileDialogRunner runFileDialog_;
};
