#pragma once

#include <memory>

#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetFec;
}

// FEC test errors: symbol errors at a rate (the FAS spared or not) or whole correctable or
// uncorrectable sub-rows, once or continuously.
class ZELOTN_EXPORT OtnStimuliWidgetFec : public OtnStimuliWidget
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetFec(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetFec() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;
    QString insertionText() const override;

protected:
    void initializeHelpers() override;

private:
    void showItemSettings(int item);

    std::unique_ptr<Ui::OtnStimuliWidgetFec> ui;
};
