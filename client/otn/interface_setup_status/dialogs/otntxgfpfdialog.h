#pragma once

#include <memory>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/uihelperdialog.h"

namespace Ui {
class OtnTxGfpFDialog;
}

class UiHelper_Setter;

// Edits the GFP-F header fields (PTI, PFI, EXI, UPI, extension header) and the cHEC presync count.
class ZELOTN_EXPORT OtnTxGfpFDialog : public UiHelperDialog, public NotifyInterface
{
    Q_OBJECT
public:
    OtnTxGfpFDialog(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~OtnTxGfpFDialog() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private slots:
    void currentIndexChangedUpi(int index);

private:
    void refillUpiList();
    void refreshUpiDisplay(const QcmaParameter *upi);
    void updateExtensionHeader(const QcmaParameter &exi);

    std::unique_ptr<Ui::OtnTxGfpFDialog> ui;
    UiHelper_Setter *m_upiSetter = nullptr;
    int m_port = 0;
    bool m_updating = false;
};
