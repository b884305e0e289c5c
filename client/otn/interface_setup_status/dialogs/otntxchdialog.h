#pragma once

#include <memory>

#include "host/otn/otnsettings.h"
#include "otnchdialogbase.h"

namespace Ui {
class OtnTxChDialog;
}

// The transmitter's tributary ports and slots of one multiplex stage: allocated TS, main TP, the TS of
// every TP on the TS map, and the ODUflex TS count.
class ZELOTN_EXPORT OtnTxChDialog : public OtnChDialogBase
{
    Q_OBJECT
public:
    OtnTxChDialog(zelServerManager *manager, int port, QWidget *page, int stage, const OtnMapping &mapping,
                  int copyStatus = nsSettings::Otn::COPY_MAIN);
    ~OtnTxChDialog() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    OtnChWidget *allocatedGrid() const { return m_allocGrid; }
    int allocatedColumns() const { return m_allocColumns; }

public slots:
    void clickedAllocated(int index);
    void clickedRandom();

private:
    void createBindings();
    void createAllocatedSection();
    void refreshMainGrid();
    void applyMainTpRule();
    void showAllocation(const QcmaParameter &parameter);

    std::unique_ptr<Ui::OtnTxChDialog> ui;
    OtnChWidget *m_allocGrid = nullptr;
    UiHelper_Setter *m_allocSetter = nullptr;
    int m_copyStatus = nsSettings::Otn::COPY_MAIN;
    int m_allocColumns = 0;
};
