#pragma once

#include "otnframesetuppagebase.h"

// Receiver frame setup (page 32): Rx mapping, detection modes, TCM and the TTI detection button.
class ZELOTN_EXPORT OtnFrameSetupPageRx : public OtnFrameSetupPageBase
{
    Q_OBJECT
public:
    OtnFrameSetupPageRx(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnFrameSetupPageRx() override;

    void initializeHelper() override;
    void UpdateText() override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

protected:
    void openChDialog(int stage, const QString &odtuName) override;

private:
    // The stage's CH button text: "TP #n", or the automatic-detection text; ignores a stage out of range.
    void updateRxChText(int stage);

    UiHelper_Setter *m_detModeSetters[OtnMapping::maxStages] = {};
    UiHelper_Setter *m_ttiDetectionSetter = nullptr;
};
