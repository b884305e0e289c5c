#pragma once

#include <memory>

#include <QStringList>

#include "host/otn/otnmapping.h"
#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetGmp;
}

class UiHelper_SetText_ComboBox;

// Errors in the GMP overhead of one level of the transmitted structure; only the levels whose payload
// is GMP-mapped are named.
class ZELOTN_EXPORT OtnStimuliWidgetGmp : public OtnStimuliWidget
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetGmp(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetGmp() override;

    void UpdateText() override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;
    QString insertionText() const override;

    // The level texts of a structure: four entries, the ODU name of each GMP-mapped level, else empty.
    static QStringList levelTexts(const OtnMapping &mapping);

protected:
    void initializeHelpers() override;

private:
    std::unique_ptr<Ui::OtnStimuliWidgetGmp> ui;
    OtnMapping m_mapping;
    UiHelper_SetText_ComboBox *m_levelHelper = nullptr;
};
