#pragma once
#include "app/TransferOperations.h"

#include <QDialog>

#include <memory>

class CAppSettings;
namespace Ui {
class DlgTransfer;
}

// The Transfer dialog of Project Transfer: port, Enable Update Runtime File
// with the upload password, and the memory the image takes. "Transfer" is
// enabled only for an image that fits the panel.
class CDlgTransfer : public QDialog
{
    Q_OBJECT
public:
    CDlgTransfer(const CAppSettings& settings, qsizetype imageSize, const TransferChoice& choice,
                 QWidget* parent = nullptr);
    ~CDlgTransfer() override;

    // The port text, the flag and the password text as they stand.
    TransferChoice Choice() const;
    static QString SizeText(qsizetype size);

private:
    void updateEnabling();

    std::unique_ptr<Ui::DlgTransfer> ui_;
};
