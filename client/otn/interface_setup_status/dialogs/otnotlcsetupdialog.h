#pragma once

#include <memory>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/zeldialog.h"

namespace Ui {
class OtnOtlcSetupDialog;
}

// Slice number and unframed bulk pattern (type, polarity) of both directions of an OTL lane interface.
class ZELOTN_EXPORT OtnOtlcSetupDialog : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    OtnOtlcSetupDialog(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~OtnOtlcSetupDialog() override;

    void ChangeTerminology(int terminology);
    int terminology() const { return m_terminology; }

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private:
    std::unique_ptr<Ui::OtnOtlcSetupDialog> ui;
    UiHelperList m_helpers;
    int m_port = 0;
    int m_terminology = 0;
};
