#pragma once

#include <QSignalMapper>

#include "otnframesetuppagebase.h"

// Transmitter frame setup (page 31): Tx mapping, Dummy CH, TTI encoding and the overhead buttons.
class ZELOTN_EXPORT OtnFrameSetupPageTx : public OtnFrameSetupPageBase
{
    Q_OBJECT
public:
    OtnFrameSetupPageTx(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnFrameSetupPageTx() override;

    void initializeHelper() override;
    void SetGUIAccessState(int state) override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // The OTL slice number as last received; -1 before the first value.
    int otlcSliceNumber() const { return m_otlcSliceNumber; }

protected:
    void openChDialog(int stage, const QString &odtuName) override;

private slots:
    void clickedOh(int level);

private:
    void txTpTsParametersChanged(int stage);

    QSignalMapper m_ohMapper;
    UiHelper_Setter *m_txCopySetters[OtnMapping::maxStages] = {};
    UiHelper_Setter *m_otlcSliceSetter = nullptr;
    int m_otlcSliceNumber = -1;
};
