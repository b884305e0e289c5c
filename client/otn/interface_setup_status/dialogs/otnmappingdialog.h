#pragma once

#include <memory>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/zeldialog.h"

class UiHelperList;

namespace Ui {
class OtnMappingDialog;
}

// Edits the five mapping parameters of one direction: output signal, client signal, multiplexing 1-3.
// Every change is written at once; the frame page redraws when the server confirms it.
class ZELOTN_EXPORT OtnMappingDialog : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    // direction: 0 Tx, 1 Rx.
    OtnMappingDialog(zelServerManager *manager, int port, QWidget *parent, int direction);
    ~OtnMappingDialog() override;

    int port() const { return m_port; }
    int direction() const { return m_direction; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

    void ChangeTerminology(int terminology);
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private:
    void createBindings();

    std::unique_ptr<Ui::OtnMappingDialog> m_ui;
    std::unique_ptr<UiHelperList> m_helpers;
    int m_port = 0;
    int m_direction = 0;
    bool m_changingTerminology = false;
};
