#pragma once

#include <QPointer>

#include "uihelper.h"

class MultiLaneWidget;
class QLabel;

// A bit-array parameter on a row of lane toggles; toggling a lane writes the whole array.
class ZELBASE_EXPORT UiHelper_MultiLane : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_MultiLane(zelServerManager *manager, MultiLaneWidget *lanes, QLabel *caption, int sid, int lanesPerRow,
                       bool singleLane, int strategy = ConnectManually);
    ~UiHelper_MultiLane() override;

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateText() override;

private slots:
    void lanesEdited();

private:
    QPointer<MultiLaneWidget> m_lanes;
    QPointer<QLabel> m_caption;
    int m_lanesPerRow = 5;
    bool m_singleLane = false;
};
