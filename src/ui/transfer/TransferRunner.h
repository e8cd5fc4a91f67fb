#pragma once
#include "app/TransferJob.h"

class CTessanApp;
class QWidget;

// One transfer operation as the editor runs it: the engine on its worker
// thread, a progress dialog with the caption (looked up in the message
// section) that follows it and lets the user stop it, then the outcome's
// message box through the application's message sink. The interface thread
// keeps running its event loop all the while.
namespace TransferRunner {
TransferOutcome Run(QWidget* parent, CTessanApp& app, int operation, const QString& port,
                    uint8_t enableUpdate, const QByteArray& packedPassword, const QString& caption);
} // namespace TransferRunner
