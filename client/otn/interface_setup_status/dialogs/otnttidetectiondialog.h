#pragma once

#include <memory>

#include "client/otn/otnexport.h"
#include "host/pages/uihelperdialog.h"

namespace Ui {
class OtnTtiDetectionDialog;
}

// Receiver settings of the TTI mismatch detection (SM, PM, TCM1-TCM6) and the payload label mismatch.
class ZELOTN_EXPORT OtnTtiDetectionDialog : public UiHelperDialog
{
    Q_OBJECT
public:
    OtnTtiDetectionDialog(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~OtnTtiDetectionDialog() override;

    // Restricted access (non-zero) leaves the values visible but not editable.
    void setAccessState(int state);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<Ui::OtnTtiDetectionDialog> ui;
    int m_port = 0;
};
