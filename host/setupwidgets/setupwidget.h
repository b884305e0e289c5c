#pragma once

#include "host/pages/boundview.h"

// Base of the small bound widgets that setup pages place: a bound view of one parameter group that
// the page moves along when it changes port.
class ZELBASE_EXPORT SetupWidget : public BoundView
{
    Q_OBJECT
public:
    SetupWidget(zelServerManager *manager, int port, int group, QWidget *parent = nullptr);
    ~SetupWidget() override;

    int group() const { return m_group; }

private:
    int m_group = 0;
};
