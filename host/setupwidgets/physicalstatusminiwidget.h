#pragma once

#include <memory>

#include "setupwidget.h"

namespace Ui { class PhysicalStatusMiniWidget; }

class PortStatusItem;

// A compact view of the received signal: an LED for its state, its level and its frequency, each value
// under its caption so that an eleven-digit frequency fits a narrow column.
class ZELBASE_EXPORT PhysicalStatusMiniWidget : public SetupWidget
{
    Q_OBJECT
public:
    PhysicalStatusMiniWidget(zelServerManager *manager, int port, int group, QWidget *parent = nullptr);
    ~PhysicalStatusMiniWidget() override;

    PortStatusItem *led() const;

private:
    std::unique_ptr<Ui::PhysicalStatusMiniWidget> ui;
};
