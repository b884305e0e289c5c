#pragma once

#include <QSet>

#include "client/otn/otnexport.h"
#include "host/contract/setuppagemanager.h"
#include "host/otn/otnmapping.h"

// Keeps the host's navigation button of an OTN frame setup page: which page it opens and a one-line
// summary of the configured signal and multiplex structure as its label ("OTU2 - ODTU12 #1 - OPU1").
class ZELOTN_EXPORT OtnSetupPageManager : public SetupPageManager
{
    Q_OBJECT
public:
    enum Direction { DirectionTx = 1, DirectionRx = 2 };

    explicit OtnSetupPageManager(int direction, QObject *parent = nullptr);

    InterfaceSetupIdentifier *setupPage(const InterfaceSetupIdentifier &type) override;
    void refreshButtonLabel() override;

    // Registers a label parameter; the label is first written when every one has arrived once.
    void addButtonLabelId(int port, int id);

    int direction() const { return m_direction; }
    QSet<int> pendingIds() const { return m_pending; }
    const OtnMapping &mapping() const { return m_mapping; }
    QString buttonLabel() const;

public slots:
    void updateButtonLabel(QcmaParameter *parameter) override;
    void followsChanged(QcmaParameter *parameter) override;

private:
    bool storeValue(int id, int value);
    bool showsPortNumber(int level) const;

    static constexpr int levels = 3;

    int m_direction = DirectionTx;
    QSet<int> m_pending;
    OtnMapping m_mapping;
    // Tributary port numbers start at 1; until their parameters arrive the label shows the first port.
    int m_portNumber[levels] = {1, 1, 1};
    int m_levelMode[levels] = {1, 1, 1};
};
