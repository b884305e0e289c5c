#pragma once

#include <memory>

#include <QStringList>

#include "host/otn/otnmapping.h"
#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetJustification;
}

class UiHelper_SetText_ComboBox;

// Pointer justification at one level of the transmitted structure: a burst of positive or negative
// movements, started with "Apply Move". The levels are named after their OPUs.
class ZELOTN_EXPORT OtnStimuliWidgetJustification : public OtnStimuliWidget
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetJustification(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetJustification() override;

    void UpdateText() override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // The level texts of a structure: one OPU name per level, four entries, empty for absent levels.
    static QStringList levelTexts(const OtnMapping &mapping);

protected:
    void initializeHelpers() override;

private:
    std::unique_ptr<Ui::OtnStimuliWidgetJustification> ui;
    OtnMapping m_mapping;
    UiHelper_SetText_ComboBox *m_levelHelper = nullptr;
};
