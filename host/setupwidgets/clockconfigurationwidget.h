#pragma once

#include <memory>

#include "host/bindings/notifyinterface.h"
#include "setupwidget.h"

namespace Ui { class ClockConfigurationWidget; }

class UiHelper_Number;

// The transmit clock: its source and, while the tester's own oscillator drives it, the frequency
// offset of the transmitted signal.
class ZELBASE_EXPORT ClockConfigurationWidget : public SetupWidget, public NotifyInterface
{
    Q_OBJECT
public:
    explicit ClockConfigurationWidget(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~ClockConfigurationWidget() override;

    void updateText();

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private:
    std::unique_ptr<Ui::ClockConfigurationWidget> ui;
    UiHelper_Number *m_offset = nullptr;
};
