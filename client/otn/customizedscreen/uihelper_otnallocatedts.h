#pragma once

#include <QPointer>

#include "client/otn/otnexport.h"
#include "host/bindings/uihelper.h"

class OtnChWidget;
class QWidget;

// The tributary slot allocation of a stage on a customised screen: the grid shows the bit array, and a
// click on any cell edits the whole allocation in the allocation dialog, written only when accepted.
class ZELOTN_EXPORT UiHelper_OtnAllocatedTS : public UiHelper
{
    Q_OBJECT
public:
    // The two further widgets (null when there are none) are enabled and disabled with the grid.
    UiHelper_OtnAllocatedTS(zelServerManager *manager, OtnChWidget *grid, QWidget *first, QWidget *second, int sid,
                            int strategy);
    ~UiHelper_OtnAllocatedTS() override;

    void ConnectionStateChanged(bool connected) override;
    void QcmaParameter_Changed(QcmaParameter &parameter) override;

protected slots:
    void clickedAllocated(int index);

private:
    QPointer<OtnChWidget> m_grid;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_second;
};
