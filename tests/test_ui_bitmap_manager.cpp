// The bitmap manager over a real program folder and a real project: the
// system categories and the project's own bitmaps listed from disk, the
// choice handed back as folder part and file name, bitmaps added, deleted
// and exported as files, and an added bitmap packed with the project.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "app/BitmapLibrary.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/BitmapThumbnailModel.h"
#include "ui/screen/DlgBitmapManager.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui_DlgBitmapManager.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// A picture as a real BMP file; `black` pixels from the left.
bool WriteBitmap(const QString& path, int width, int height, int black = 0)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < qMin(black, width); ++x)
        for (int y = 0; y < height; ++y)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    return picture.save(path, "BMP");
}

struct Library
{
    CTestProgramFolder folder;
    CProjectController controller{folder.App()};
    QTemporaryDir outside;

    Library()
    {
        const QString arrows = folder.Dir() + "/BMP_Files/Arrow";
        QDir().mkpath(arrows);
        WriteBitmap(arrows + "/right.bmp", 16, 16, 8);
        WriteBitmap(arrows + "/UP.BMP", 16, 16);
        WriteBitmap(arrows + "/left.png", 16, 16);
        QFile::rename(arrows + "/left.png.bmp", arrows + "/left.png");
        QDir().mkpath(arrows + "/folder.bmp");
        WriteBitmap(arrows + "/.hidden.bmp", 16, 16);
        controller.NewProject("Line1", folder.Dir() + "/P", "RU03", kVSeq);
    }
    CTessanApp& app() { return folder.App(); }
    QString userFolder() const { return folder.Dir() + "/Temp/Project/Line1"; }
    QString outsideFile(const QString& name, int black = 0)
    {
        const QString path = outside.path() + "/" + name;
        WriteBitmap(path, 24, 12, black);
        return path;
    }
};

void Select(CDlgBitmapManager& d, QTreeWidgetItem* item)
{
    d.Fields().treeLibrary->setCurrentItem(item);
}

void SelectFile(CDlgBitmapManager& d, const QString& name)
{
    const int row = d.Files().RowOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    d.Fields().listBitmaps->setCurrentIndex(d.Files().index(row));
}

void ClickOk(CDlgBitmapManager& d)
{
    QTest::mouseClick(d.Fields().buttonBox->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

class TestUiBitmapManager : public QObject
{
    Q_OBJECT
private slots:
    void listsOnlyBitmapFilesByExtension()
    {
        Library l;
        CDlgBitmapManager d(l.controller, QString(), QString());
        // No current bitmap: the project's own, both branches open.
        QCOMPARE(d.Fields().treeLibrary->currentItem(), d.UserItem());
        QVERIFY(d.SystemItem()->isExpanded());
        QVERIFY(d.RootItem()->isExpanded());
        QCOMPARE(d.windowTitle(), QString("BitMap Manager"));
        QCOMPARE(d.SystemItem()->childCount(), 6);
        QCOMPARE(d.SystemItem()->child(5)->text(0), QString("Valve"));
        QCOMPARE(d.Files().rowCount(), 0);

        Select(d, d.CategoryItem("Arrow"));
        QStringList listed;
        for (int i = 0; i < d.Files().rowCount(); ++i)
            listed << d.Files().FileName(i);
        QCOMPARE(listed, QStringList({"right.bmp", "UP.BMP"}));
        // A category whose folder is missing lists nothing.
        Select(d, d.CategoryItem("Fan"));
        QCOMPARE(d.Files().rowCount(), 0);

        // The thumbnail: 80 x 80, 24-bit, the 16 x 16 picture grown five
        // times, its black left half black.
        const QImage thumb =
            CBitmapThumbnailModel::Thumbnail(l.folder.Dir() + "/BMP_Files/Arrow/right.bmp");
        QCOMPARE(thumb.size(), QSize(80, 80));
        QCOMPARE(thumb.format(), QImage::Format_RGB888);
        QCOMPARE(thumb.pixelColor(10, 40), QColor(Qt::black));
        QCOMPARE(thumb.pixelColor(70, 40), QColor(Qt::white));
        QCOMPARE(CBitmapThumbnailModel::Thumbnail(l.folder.Dir() + "/BMP_Files/Arrow/left.png")
                     .pixelColor(10, 40),
                 QColor(Qt::white));
    }

    void okNeedsAFileOfACategoryOrTheProject()
    {
        Library l;
        CDlgBitmapManager d(l.controller, "BMP_Files\\Arrow", "UP.BMP");
        // It starts on the bitmap it was given.
        QCOMPARE(d.Fields().treeLibrary->currentItem(), d.CategoryItem("Arrow"));
        QCOMPARE(d.Fields().listBitmaps->currentIndex().row(), d.Files().RowOf("UP.BMP"));

        for (QTreeWidgetItem* node : {d.SystemItem(), d.RootItem()}) {
            Select(d, node);
            QVERIFY(d.Fields().editImportPath->hasFocus() || !d.isVisible());
            ClickOk(d);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(
                l.folder.messages.last(),
                qMakePair(QString("Error OBJ-006 : Please selecte a bitmap!"), QString("Warning")));
        }
        // A category with nothing selected in its list refuses too.
        Select(d, d.CategoryItem("Arrow"));
        d.Fields().listBitmaps->clearSelection();
        ClickOk(d);
        QCOMPARE(l.folder.messages.size(), 3);

        SelectFile(d, "right.bmp");
        ClickOk(d);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.FolderPart(), QString("BMP_Files\\Arrow"));
        QCOMPARE(d.FileName(), QString("right.bmp"));
    }

    void addedBitmapTravelsWithThePackage()
    {
        Library l;
        CDlgBitmapManager d(l.controller, QString(), QString());
        QVERIFY(!d.Fields().buttonAdd->isEnabled());
        const QString source = l.outsideFile("pump.bmp", 6);
        QTest::keyClicks(d.Fields().editImportPath, source);
        QSignalSpy changed(&l.controller, &CProjectController::bitmapLibraryChanged);
        QTest::mouseClick(d.Fields().buttonAdd, Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QVERIFY(QFileInfo::exists(l.userFolder() + "/pump.bmp"));
        QCOMPARE(l.app().model.bitmapFiles, QStringList({"pump.bmp"}));
        QVERIFY(l.controller.IsModified());
        QCOMPARE(d.Files().rowCount(), 1);
        QVERIFY(d.Fields().listBitmaps->selectionModel()->isSelected(d.Files().index(0)));
        // Adding it again replaces the file and lists it once.
        WriteBitmap(source, 30, 10, 30);
        QTest::mouseClick(d.Fields().buttonAdd, Qt::LeftButton);
        QCOMPARE(l.app().model.bitmapFiles, QStringList({"pump.bmp"}));
        QCOMPARE(QImage(l.userFolder() + "/pump.bmp").width(), 30);
        // Adding the library's own file keeps it whole.
        Retype(d, l.userFolder() + "/pump.bmp");
        QTest::mouseClick(d.Fields().buttonAdd, Qt::LeftButton);
        QCOMPARE(QImage(l.userFolder() + "/pump.bmp").width(), 30);
        // A file that is no .bmp file, or is missing, changes nothing.
        QFile::copy(source, l.outside.path() + "/pump.png");
        for (const QString& bad :
             {l.outside.path() + "/pump.png", l.outside.path() + "/gone.bmp"}) {
            const int before = int(l.folder.messages.size());
            Retype(d, bad);
            QTest::mouseClick(d.Fields().buttonAdd, Qt::LeftButton);
            QCOMPARE(l.folder.messages.size(), before + 1);
            QCOMPARE(l.folder.messages.last().second, QString("Warning"));
        }
        QCOMPARE(l.app().model.bitmapFiles, QStringList({"pump.bmp"}));
        QCOMPARE(CBitmapLibrary::ListBitmaps(l.userFolder()), QStringList({"pump.bmp"}));
        QCOMPARE(changed.count(), 3);
        SelectFile(d, "pump.bmp");
        ClickOk(d);
        QCOMPARE(d.FolderPart(), QString());
        QCOMPARE(d.FileName(), QString("pump.bmp"));

        // Saved, closed and opened again: the bitmap is in the package and
        // back in the working folder.
        QVERIFY(l.controller.SaveProject());
        const QString package = l.folder.Dir() + "/P/Line1.cgp";
        QVERIFY(ZipEntries(package).contains("pump.bmp"));
        l.controller.CloseProject();
        QVERIFY(QDir(l.userFolder()).removeRecursively());
        QVERIFY(l.controller.OpenProject(l.folder.Dir() + "/P", "Line1"));
        QCOMPARE(l.app().model.bitmapFiles, QStringList({"pump.bmp"}));
        QCOMPARE(QImage(l.userFolder() + "/pump.bmp").width(), 30);
    }

    void deleteAsksAndTakesFileAndEntry()
    {
        Library l;
        QVERIFY(l.controller.ImportBitmap(l.outsideFile("a.bmp"))
                == CBitmapLibrary::ImportResult::Imported);
        QVERIFY(l.controller.ImportBitmap(l.outsideFile("b.bmp"))
                == CBitmapLibrary::ImportResult::Imported);
        CDlgBitmapManager d(l.controller, QString(), QString());
        QCOMPARE(d.Files().rowCount(), 2);
        QVERIFY(!d.Fields().buttonDelete->isEnabled());
        SelectFile(d, "a.bmp");
        // Cancel keeps it.
        l.folder.answers = {MessageAnswer::Cancel};
        QTest::mouseClick(d.Fields().buttonDelete, Qt::LeftButton);
        QCOMPARE(
            l.folder.messages.last(),
            qMakePair(QString("Are you sure you want to delete the bitmap?"), QString("Warning")));
        QCOMPARE(l.folder.questions.last().buttons, MessageButtons::OkCancel);
        QCOMPARE(l.folder.questions.last().defaultButton, MessageAnswer::Cancel);
        QCOMPARE(d.Files().rowCount(), 2);
        // OK, by the Delete key: file and list entry go.
        l.folder.answers = {MessageAnswer::Ok};
        d.Fields().listBitmaps->setFocus();
        QTest::keyClick(d.Fields().listBitmaps, Qt::Key_Delete);
        QCOMPARE(d.Files().rowCount(), 1);
        QVERIFY(!QFileInfo::exists(l.userFolder() + "/a.bmp"));
        QCOMPARE(l.app().model.bitmapFiles, QStringList({"b.bmp"}));
        // The system library offers no delete.
        Select(d, d.CategoryItem("Arrow"));
        SelectFile(d, "right.bmp");
        QVERIFY(!d.Fields().buttonDelete->isEnabled());
        QVERIFY(!d.Fields().buttonExportOne->isEnabled());
    }

    void exportOneAndAllWriteFiles()
    {
        Library l;
        l.controller.ImportBitmap(l.outsideFile("pump.bmp", 3));
        l.controller.ImportBitmap(l.outsideFile("valve.bmp", 5));
        QCOMPARE(CBitmapLibrary::ExportTargetName("pump"), QString("pump.bmp"));
        QCOMPARE(CBitmapLibrary::ExportTargetName("pump.bmp"), QString("pump.bmp"));
        QCOMPARE(CBitmapLibrary::ExportTargetName(".bmp"), QString(".bmp.bmp"));
        QCOMPARE(CBitmapLibrary::ExportTargetName("pump.png"), QString("pump.png.bmp"));

        QTemporaryDir target;
        CDlgBitmapManager d(l.controller, QString(), QString());
        // The file dialogs are set up as the user sees them; the test
        // answers them in turn.
        QStringList answers;
        QList<QFileDialog::FileMode> modes;
        QStringList filters;
        d.SetFileDialogRunner([&](QFileDialog& f) {
            modes << f.fileMode();
            filters << f.nameFilters().join("|");
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        // Browse puts the chosen file into the path field.
        answers = {l.outside.path() + "/pump.bmp"};
        QTest::mouseClick(d.Fields().buttonBrowse, Qt::LeftButton);
        QCOMPARE(d.Fields().editImportPath->text(),
                 QDir::toNativeSeparators(l.outside.path() + "/pump.bmp"));
        QCOMPARE(filters.last(), QString("BitMap Flies(*.bmp)|All Files (*.*)"));

        // Export One: "pump" writes pump.bmp, "copy.bmp" writes copy.bmp.
        SelectFile(d, "pump.bmp");
        answers = {target.path() + "/pump"};
        QTest::mouseClick(d.Fields().buttonExportOne, Qt::LeftButton);
        QCOMPARE(ReadFile(target.path() + "/pump.bmp"), ReadFile(l.userFolder() + "/pump.bmp"));
        answers = {target.path() + "/copy.bmp"};
        QTest::mouseClick(d.Fields().buttonExportOne, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(target.path() + "/copy.bmp"));
        QVERIFY(!QFileInfo::exists(target.path() + "/copy.bmp.bmp"));
        // Cancel writes nothing.
        QTest::mouseClick(d.Fields().buttonExportOne, Qt::LeftButton);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList({"copy.bmp", "pump.bmp"}));

        // Export All asks for a folder and copies every bitmap into it.
        QTemporaryDir all;
        answers = {all.path()};
        QTest::mouseClick(d.Fields().buttonExportAll, Qt::LeftButton);
        QCOMPARE(modes.last(), QFileDialog::Directory);
        QCOMPARE(QDir(all.path()).entryList(QDir::Files), QStringList({"pump.bmp", "valve.bmp"}));
        QCOMPARE(ReadFile(all.path() + "/valve.bmp"), ReadFile(l.userFolder() + "/valve.bmp"));

        // A bitmap gone from the working folder behind the list's back
        // cannot be copied: GUI-006, and no file is left behind.
        QVERIFY(QFile::remove(l.userFolder() + "/pump.bmp"));
        answers = {all.path() + "/x.bmp"};
        QTest::mouseClick(d.Fields().buttonExportOne, Qt::LeftButton);
        QCOMPARE(l.folder.messages.last(),
                 qMakePair(QString("Error GUI-006 : Export bitmap file failed"), QString("Error")));
        QVERIFY(!QFileInfo::exists(all.path() + "/x.bmp"));
        QCOMPARE(d.Fields().labelStatus->text(), QString());
    }

    void aLargeFolderListsWithoutReadingEveryPicture()
    {
        Library l;
        const QString fans = l.folder.Dir() + "/BMP_Files/Fan";
        QDir().mkpath(fans);
        for (int i = 0; i < 400; ++i)
            QVERIFY(WriteBitmap(fans + QString("/fan%1.bmp").arg(i, 3, 10, QChar('0')), 32, 32,
                                i % 32));
        CDlgBitmapManager d(l.controller, "BMP_Files\\Fan", "fan399.bmp");
        d.resize(700, 500);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.Files().rowCount(), 400);
        QApplication::processEvents();
        QVERIFY2(d.Files().LoadedCount() > 0 && d.Files().LoadedCount() < 100,
                 qPrintable(QString::number(d.Files().LoadedCount())));
    }

    void staticBitmapFormTakesTheChoice()
    {
        Library l;
        CScreenDocument* doc = l.controller.ScreenDocument(1);
        CTessanView view(l.controller, doc, 1);
        view.show();
        auto object = CreateObjectOfKind(OBJ_STATIC_BITMAP, &l.app().model);
        object->SetRect(8, 8, 24, 24);
        auto* bitmap = static_cast<CObjectStaticBitmap*>(object.get());
        object->Select(true);
        doc->Edit([&](CDiagramEntityContainer& c) { c.Add(std::move(object)); });
        QTest::keyClick(view.Editor(), Qt::Key_Return, Qt::ControlModifier);
        CPropertyFormDialog* form = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<CPropertyFormDialog*>(w); f && f->isVisible())
                form = f;
        QVERIFY(form);
        CModalDriver driver;
        driver.On<CDlgBitmapManager>([](CDlgBitmapManager* d) {
            // It opens on the object's category.
            if (d->Fields().treeLibrary->currentItem() != d->CategoryItem("Arrow"))
                return false;
            SelectFile(*d, "UP.BMP");
            ClickOk(*d);
            return true;
        });
        QTest::mouseClick(form->findChild<QPushButton*>("buttonPickBitmap"), Qt::LeftButton);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(form->findChild<QLineEdit*>("editBitmap")->text(),
                 QString("BMP_Files\\Arrow\\UP.BMP"));
        QTest::mouseClick(
            form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
            Qt::LeftButton);
        QCOMPARE(bitmap->folder, QString("BMP_Files\\Arrow"));
        QCOMPARE(bitmap->fileName, QString("UP.BMP"));
    }

    void opensWhereItWasLeft()
    {
        Library l;
        {
            CDlgBitmapManager d(l.controller, QString(), QString());
            d.show();
            d.move(123, 77);
            d.resize(900, 640);
            QTest::mouseClick(d.Fields().buttonBox->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        }
        CDlgBitmapManager again(l.controller, QString(), QString());
        QCOMPARE(again.pos(), QPoint(123, 77));
        QCOMPARE(again.size(), QSize(900, 640));
    }

private:
    static void Retype(CDlgBitmapManager& d, const QString& text)
    {
        d.Fields().editImportPath->setFocus();
        d.Fields().editImportPath->selectAll();
        QTest::keyClicks(d.Fields().editImportPath, text);
    }
};

QTEST_MAIN(TestUiBitmapManager)
#include "test_ui_bitmap_manager.moc"
