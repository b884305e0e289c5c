#pragma once

#include <QPointer>

#include "statusjudge.h"
#include "uihelper.h"

class PortStatusItem;
class QLabel;

// An alarm or error status on an LED (PortStatusItem) with its name on a label. Without a judge the
// value 0 is green, 1 red (current alarm), 2 yellow (alarm seen since the start), undefined grey.
class ZELBASE_EXPORT UiHelper_Status : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Status(zelServerManager *manager, PortStatusItem *led, QLabel *nameLabel, int sid,
                    int strategy = ConnectManually, const StatusJudge *judge = nullptr);

    static StatusJudge::State defaultJudge(const QcmaParameter &parameter);

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateText() override;

private:
    QPointer<PortStatusItem> m_led;
    QPointer<QLabel> m_nameLabel;
    const StatusJudge *m_judge = nullptr;
};
