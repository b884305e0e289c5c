#pragma once

#include <memory>

#include "setupwidget.h"

namespace Ui { class OutputSignalSetupWidget; }

// The optical output: the laser switch, with the level and wavelength the module sends.
class ZELBASE_EXPORT OutputSignalSetupWidget : public SetupWidget
{
    Q_OBJECT
public:
    explicit OutputSignalSetupWidget(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~OutputSignalSetupWidget() override;

    void updateText();

private:
    std::unique_ptr<Ui::OutputSignalSetupWidget> ui;
};
