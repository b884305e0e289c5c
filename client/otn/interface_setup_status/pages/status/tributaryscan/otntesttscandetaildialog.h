#pragma once

#include <memory>

#include <QStringList>

#include "client/otn/otnexport.h"
#include "host/otn/otnmapping.h"
#include "host/pages/uihelperdialog.h"
#include "otntscanlevels.h"

namespace Ui {
class OtnTestTScanDetailDialog;
}

// The alarms the tributary scan found in one tributary, named with the path that leads to it.
class ZELOTN_EXPORT OtnTestTScanDetailDialog : public UiHelperDialog
{
    Q_OBJECT
public:
    OtnTestTScanDetailDialog(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~OtnTestTScanDetailDialog() override;

    // The received structure the path is named in.
    void setMapping(const OtnMapping &mapping);
    // The channel chosen on a level (0 = none); the path text follows.
    void setChannel(int level, int channel);
    // The tributary's result word; its alarm names are listed.
    void setResult(quint32 word);

    QString selectedText() const;
    QString alarmsText() const;

private:
    void updateSelected();

    std::unique_ptr<Ui::OtnTestTScanDetailDialog> ui;
    int m_port = 0;
    OtnMapping m_mapping;
    QStringList m_oduNames;
    int m_channels[OtnTScanLevels::levelCount] = {0, 0, 0};
};
