#pragma once

#include <memory>

#include <QString>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/pages/zeldialog.h"

class OtnChWidget;
class UiHelperList;
class UiHelper_Setter;

namespace Ui {
class OtnRxChDialog;
}

// The receiver's choice of the analysed tributary port of one multiplex stage: by detection mode,
// main TP, main TS or the TP/TS map.
class ZELOTN_EXPORT OtnRxChDialog : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    OtnRxChDialog(zelServerManager *manager, int port, QWidget *page, int stage, const OtnMapping &mapping);
    ~OtnRxChDialog() override;

    void setAccessState(int state);
    void setOdtuName(const QString &name);
    QString odtuName() const { return m_odtuName; }

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int stage() const { return m_stage; }
    int gridSize() const { return m_gridSize; }
    int tpCount() const { return m_tpCount; }
    int tsCount() const { return m_tsCount; }
    int gridRows() const { return m_rows; }
    int detectionMode() const { return m_detectionMode; }
    bool isManual() const { return m_manual; }
    quint32 mainTp() const { return m_mainTp; }
    quint32 flexTsCount() const { return m_flexTsCount; }
    const int *mainTsList() const { return m_mainTs; }
    OtnChWidget *mainGrid() const { return m_mainGrid; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

public slots:
    void clickedMainTs();
    void clickedMainTpTs(int index);

private:
    int sidOf(int id) const;
    void createBindings();
    void updateDerivedCounts();
    void updateVisibility();
    void refreshGrid();

    Ui::OtnRxChDialog *ui = nullptr;
    std::unique_ptr<UiHelperList> m_helpers;
    zelServerManager *m_manager = nullptr;
    OtnMapping m_mapping;
    QString m_odtuName;
    OtnChWidget *m_mainGrid = nullptr;
    UiHelper_Setter *m_mainTsSetter = nullptr;
    int m_mainTs[80];
    int m_port = 0;
    int m_stage = 0;
    quint32 m_mainTp = 0;
    quint32 m_flexTsCount = 0;
    int m_detectionMode = 0;
    bool m_manual = false;
    int m_autoDetection = 0;
    int m_gridSize = 8;
    int m_tpCount = 0;
    int m_tsCount = 0;
    int m_rows = 0;
};
