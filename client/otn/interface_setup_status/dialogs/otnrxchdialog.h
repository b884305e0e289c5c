#pragma once

#include <memory>

#include "otnchdialogbase.h"

namespace Ui {
class OtnRxChDialog;
}

// The receiver's choice of the analysed tributary port of one multiplex stage: by detection mode,
// main TP, main TS or the TP/TS map.
class ZELOTN_EXPORT OtnRxChDialog : public OtnChDialogBase
{
    Q_OBJECT
public:
    OtnRxChDialog(zelServerManager *manager, int port, QWidget *page, int stage, const OtnMapping &mapping);
    ~OtnRxChDialog() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int detectionMode() const { return m_detectionMode; }
    bool isManual() const { return m_manual; }

public slots:
    void clickedMainTs();

private:
    void createBindings();
    void updateCountsAndDetection();
    void updateVisibility();
    void refreshGrid();

    std::unique_ptr<Ui::OtnRxChDialog> ui;
    int m_detectionMode = 0;
    bool m_manual = false;
    int m_autoDetection = 0;
};
