#pragma once

#include <memory>

#include "host/otn/cmcalculator.h"
#include "host/otn/otnmapping.h"
#include "host/pages/samplestates.h"
#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetFrequency;
}

// The frequency offsets of the transmitted signal and of each multiplexed payload, in ppm, with the Cm
// and CnD every GMP-mapped payload gets from them. The offsets are written by their own buttons and
// apply as they are set, so the panel has no insertion switch; it only follows the structure and computes.
class ZELOTN_EXPORT OtnStimuliWidgetFrequency : public OtnStimuliWidget, public SampleStates
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetFrequency(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetFrequency() override;

    void UpdateText() override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int levelCount() const { return m_levelCount; }

    // On a structure with a GMP-mapped payload: the first such payload offset, its Cm and CnD moved.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;

protected:
    void initializeHelpers() override;

private slots:
    void changed_payload_level(int index);

private:
    // The first payload level mapped by GMP, or -1.
    int firstGmpLevel() const;
    void rebuildLevels();
    void showCmValues();

    std::unique_ptr<CmCalculator> m_calculator;
    std::unique_ptr<Ui::OtnStimuliWidgetFrequency> ui;
    OtnMapping m_mapping;
    int m_payloadValue = 1;
    int m_levelCount = 1;
    int m_portMode = 0;
    int m_clockSource = 0;
};
