#pragma once

#include "otnstimuliwidget.h"

class QLabel;

// Stands in the container for an insertion category whose panel is not built yet: says so, binds nothing.
class ZELOTN_EXPORT OtnStimuliWidgetNotBuilt : public OtnStimuliWidget
{
    Q_OBJECT
public:
    OtnStimuliWidgetNotBuilt(const ClientInfo &client, const QString &category, QWidget *parent = nullptr);
    ~OtnStimuliWidgetNotBuilt() override;

protected:
    void initializeHelpers() override;

private:
    QLabel *m_label = nullptr;
};
