#pragma once

#include <memory>

#include <QString>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/pages/zeldialog.h"

class OtnChWidget;
class UiHelperList;
class UiHelper_Setter;

namespace Ui {
class OtnTxChDialog;
}

// The transmitter's tributary ports and slots of one multiplex stage: allocated TS, main TP, the TS of
// every TP on the TS map, and the ODUflex TS count.
class ZELOTN_EXPORT OtnTxChDialog : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    OtnTxChDialog(zelServerManager *manager, int port, QWidget *page, int stage, const OtnMapping &mapping,
                  int copyStatus = nsSettings::Otn::COPY_MAIN);
    ~OtnTxChDialog() override;

    void setAccessState(int state);
    void setOdtuName(const QString &name);
    QString odtuName() const { return m_odtuName; }

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int stage() const { return m_stage; }
    int port() const { return m_port; }
    int gridSize() const { return m_gridSize; }
    int tpCount() const { return m_tpCount; }
    int tsCount() const { return m_tsCount; }
    int gridRows() const { return m_rows; }
    quint32 mainTp() const { return m_mainTp; }
    quint32 flexTsCount() const { return m_flexTsCount; }
    const int *mainTsList() const { return m_mainTs; }
    OtnChWidget *allocatedGrid() const { return m_allocGrid; }
    int allocatedColumns() const { return m_allocColumns; }
    OtnChWidget *mainGrid() const { return m_mainGrid; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

public slots:
    void clickedAllocated(int index);
    void clickedMainTpTs(int index);
    void clickedRandom();

private:
    int sidOf(int id) const;
    void createBindings();
    void updateDerivedCounts();
    void createMainSection();
    void createAllocatedSection();
    void refreshMainGrid();
    void applyMainTpRule();
    void showAllocation(const QcmaParameter &parameter);

    Ui::OtnTxChDialog *ui = nullptr;
    std::unique_ptr<UiHelperList> m_helpers;
    zelServerManager *m_manager = nullptr;
    OtnMapping m_mapping;
    QString m_odtuName;
    OtnChWidget *m_allocGrid = nullptr;
    OtnChWidget *m_mainGrid = nullptr;
    UiHelper_Setter *m_allocSetter = nullptr;
    UiHelper_Setter *m_mainTsSetter = nullptr;
    int m_mainTs[80];
    int m_port = 0;
    int m_stage = 0;
    int m_copyStatus = nsSettings::Otn::COPY_MAIN;
    quint32 m_mainTp = 0;
    quint32 m_flexTsCount = 0;
    int m_gridSize = 8;
    int m_tpCount = 0;
    int m_tsCount = 0;
    int m_rows = 0;
    int m_allocColumns = 0;
};
