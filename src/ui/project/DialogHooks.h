#pragma once
#include "project/RegisterRef.h"

#include <QDialog>
#include <functional>

// How the screen commands run a modal dialog: exec() in the editor; the tests
// drive the dialog's widgets instead and return its result.
using DialogRunner = std::function<int(QDialog& dialog)>;
inline int RunModal(QDialog& dialog)
{
    return dialog.exec();
}

// Picks a register reference of a kind (RegisterRef::KindBit or KindWord)
// starting from `ref`; true with the chosen one in `ref`, false when the user
// cancelled.
using RegisterPicker = std::function<bool(QWidget* parent, int kind, RegisterRef& ref)>;

// Names a file to read or write (empty when the user cancelled).
using FileChooser = std::function<QString(QWidget* parent)>;
