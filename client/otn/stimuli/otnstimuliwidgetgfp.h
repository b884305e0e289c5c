#pragma once

#include <memory>

#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetGfp;
}

// Errors in the transmitted GFP frames: header errors of a number of bits, once or in bursts of a
// length, or client signal fail frames at an interval.
class ZELOTN_EXPORT OtnStimuliWidgetGfp : public OtnStimuliWidget
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetGfp(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetGfp() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;
    QString insertionText() const override;

protected:
    void initializeHelpers() override;

private:
    void showItemSettings(int item);
    void showModeSettings(int mode);

    std::unique_ptr<Ui::OtnStimuliWidgetGfp> ui;
};
