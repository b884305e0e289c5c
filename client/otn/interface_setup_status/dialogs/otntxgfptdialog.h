#pragma once

#include <memory>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/uihelperdialog.h"

namespace Ui {
class OtnTxGfpTDialog;
}

// Edits the CSF replacement of transparent GFP.
class ZELOTN_EXPORT OtnTxGfpTDialog : public UiHelperDialog, public NotifyInterface
{
    Q_OBJECT
public:
    OtnTxGfpTDialog(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~OtnTxGfpTDialog() override;

private:
    std::unique_ptr<Ui::OtnTxGfpTDialog> ui;
    int m_port = 0;
};
