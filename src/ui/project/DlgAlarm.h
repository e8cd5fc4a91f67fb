#pragma once
#include "DialogHooks.h"
#include "project/AlarmObject.h"

#include <QDialog>
#include <memory>

class CProjectController;
namespace Ui {
class CDlgAlarm;
}

// Alarm List: the start coil (picked with "..."), the alarm count 0..100 and
// a grid with one row per alarm, its coil counted on from the start coil in
// the area's radix and its message. OK checks each message (1 to 24
// characters, OBJ-004 on the first that is not) and builds the list with
// consecutive coils. Import reads a CSV file whole before the grid takes it;
// Export writes what the grid holds.
class CDlgAlarm : public QDialog
{
    Q_OBJECT
public:
    CDlgAlarm(CProjectController& controller, RegisterPicker picker, FileChooser importFile,
              FileChooser exportFile, QWidget* parent = nullptr);
    ~CDlgAlarm() override;

    // The list that OK built.
    const CAlarmObjList& Result() const { return result_; }
    RegisterRef StartCoil() const;
    QStringList Messages() const;
    void SetCount(int count);
    // False when the file could not be read or a row was refused (the grid
    // then stays as it was).
    bool ImportFile(const QString& path);
    bool ExportFile(const QString& path);
    Ui::CDlgAlarm& Form() const { return *ui_; }
    void accept() override;

private:
    void relabel();
    void onCountEdited();
    void resizeRows(int count);

    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgAlarm> ui_;
    RegisterPicker picker_;
    FileChooser importFile_;
    FileChooser exportFile_;
    CAlarmObjList result_;
};
