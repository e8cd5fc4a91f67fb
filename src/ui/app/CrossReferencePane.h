#pragma once
#include "app/CrossReference.h"
#include "app/ScreenFileCache.h"

#include <QSet>
#include <QWidget>
#include <memory>

class CCrossReferenceModel;
class CProjectScreenObjects;
class CProjectController;
class CScreenDocument;
class QLineEdit;
class QTableView;
namespace Ui {
class CCrossReferencePane;
}

// Cross Reference: every register and coil of the open project with its
// uses and the findings, built again whenever the controller says something
// changed, and taken again for one screen when its document changed (at once
// while the pane shows, else when it shows next). The filter takes a register's text: a whole reference
// ("DEV001.R.101") lists the uses whose words take it in, any other text the
// rows whose register or place contains it. A double-click goes to the use.
class CCrossReferencePane : public QWidget
{
    Q_OBJECT
public:
    explicit CCrossReferencePane(CProjectController& controller, QWidget* parent = nullptr);
    ~CCrossReferencePane() override;

    QLineEdit* Filter() const;
    QTableView* Table() const;
    CCrossReferenceModel* Model() const { return model_; }
    const CCrossReference& CrossReference() const { return xref_; }

    // Find Uses: the filter set to the reference's text.
    void FindUses(const RegisterRef& ref);
    // Builds the cross-reference of the project as it stands now.
    void Rebuild();
    // Brings it up to date: the edited screens' objects taken again, or all
    // built again after any other change.
    void Refresh();
    // What a double-click on a shown row does.
    void ActivateRow(int shownRow);

signals:
    void objectRequested(int screenNumber, int objectIndex);
    void screenRequested(int screenNumber);
    void keyRequested(int screenNumber, int keyIndex);
    void alarmsRequested();
    void plcAndPanelRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Something changed: a rebuild once the events in hand are done.
    void scheduleRebuild();
    // A screen document's objects changed: that screen is taken again.
    void documentChanged();
    void scheduleRefresh();
    void followDocument(CScreenDocument* document);
    // The screens' objects: the open documents, else the screen files.
    CProjectScreenObjects screenObjects();
    void applyFilter();
    void showSummary();

    CProjectController& controller_;
    std::unique_ptr<Ui::CCrossReferencePane> ui_;
    CCrossReferenceModel* model_;
    CCrossReference xref_;
    // The rows' uses, places and findings in the editor's language.
    Wording words_;
    // The screens not open in an editor, parsed once while unchanged.
    CScreenFileCache files_;
    // The screens whose documents changed since the last build.
    QSet<int> editedScreens_;
    bool stale_ = true;
    bool scheduled_ = false;
};
