#pragma once

#include <memory>

#include "zeldialog.h"

class QAbstractButton;
class QDialogButtonBox;
class UiHelperList;

// A dialog whose bindings write into pending values: OK and Apply send them in one request,
// Cancel (and closing) drops them.
class ZELBASE_EXPORT UiHelperDialog : public ZelDialog
{
    Q_OBJECT
public:
    UiHelperDialog(zelServerManager *manager, QWidget *parent, int terminology = 0);
    ~UiHelperDialog() override;

    // Wires the box: OK = send and accept, Apply = send, Cancel = drop and reject.
    void SetButtons(QDialogButtonBox *buttons);
    UiHelperList *uiHelperList() const { return m_helpers.get(); }
    int terminology() const { return m_terminology; }

    void sendPendingValues();
    void dropPendingValues();

public slots:
    // Sends what is pending, then closes as accepted (however accept is reached).
    void accept() override;

protected:
    void reject() override;

private:
    void buttonClicked(QAbstractButton *button);

    // A member, so the bindings go before the base class deletes the child widgets they point at.
    std::unique_ptr<UiHelperList> m_helpers;
    int m_terminology = 0;
};
