#pragma once

#include <memory>

#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetLldError;
}

class MultiLaneWidget;

// Alarms or errors on chosen logical lanes of a multi-lane signal, as a burst or as alternating error
// and normal frames.
class ZELOTN_EXPORT OtnStimuliWidgetLldError : public OtnStimuliWidget
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetLldError(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetLldError() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;
    QString insertionText() const override;

protected:
    void initializeHelpers() override;

private slots:
    void alarmErrorChanged(int value);
    void insertionModeChanged(int value);

private:
    std::unique_ptr<Ui::OtnStimuliWidgetLldError> ui;
    MultiLaneWidget *m_lanes = nullptr;
};
