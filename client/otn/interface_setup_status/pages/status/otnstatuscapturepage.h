#pragma once

#include <memory>

#include <QBitArray>
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QSet>

#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otntpts.h"
#include "host/pages/samplestates.h"
#include "host/parameters/intervaldata.h"
#include "otnstatuspagebase.h"

namespace Ui { class OtnStatusCapturePage; }

class OtnCaptureOhWidget;
class OtnCaptureTpTsDialog;
class UiHelper_Notification;

// The overhead of one captured frame of the received signal at a chosen level, with its TTI and FTFL
// messages decoded. The tester captures continuously; the page follows each capture until paused, and
// Update then takes exactly one. The TP/TS view compares the transmitter's tributary slots of the level
// with those captured.
class ZELOTN_EXPORT OtnStatusCapturePage : public OtnStatusPageBase, public NotifyInterface, public SampleStates
{
    Q_OBJECT
public:
    static constexpr int levelCount = IntervalDataOtnCapture::levelCount;

    OtnStatusCapturePage(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnStatusCapturePage() override;

    void UpdateText() override;
    void initializeUi() override;
    void initializeHelper() override;
    void setPort(int port) override;

    void intervalDataChanged(const IntervalData &data) override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // Each level below the line, chosen and captured.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;

    // The level shown, -1 until the received structure is known.
    int currentLevel() const { return m_currentLevel; }
    bool isRunning() const { return m_running == 1; }
    QByteArray record(int level) const;
    OtnCaptureOhWidget *overheadWidget() const { return m_overhead; }
    OtnCaptureTpTsDialog *tpTsDialog() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void levelChanged(int index);
    void togglePause();
    void updateSingle();
    void showTpTs();

private:
    // The transmitter's tributary ports and slots of one stage, as its parameters tell them.
    struct TxTpTs {
        TxTpTs();
        quint32 mainTp = 1;
        int mainTs[OtnTpTs::maxTs];   // 1-based first TS of each TP
        QBitArray allocation = QBitArray(OtnTpTs::maxTs);
        quint32 flexTsCount = 1;
    };
    static constexpr int txStages = 3;
    static constexpr int flexStages = 2;

    void setRunning(int running);
    // Follows the capture and asks for the current interval's at once.
    void requestCapture();
    void rebuildLevels();
    void showRecord(int level);
    // The TP/TS view follows the page only while shown; fillTpTs brings it up to date at once.
    bool tpTsShown() const;
    void refreshTpTsMaps();
    void fillTpTs();
    void storeNumber(int id, const QcmaParameter &parameter);
    void storeUnsigned(int id, uint value);
    void mappingIdArrived(int id);
    void refillPendingIds();
    quint32 rxChannelNumber(int level) const;

    std::unique_ptr<Ui::OtnStatusCapturePage> ui;
    OtnCaptureOhWidget *m_overhead = nullptr;
    QPointer<OtnCaptureTpTsDialog> m_tpTsDialog;
    std::unique_ptr<UiHelper_Notification> m_captureNotification;
    QByteArray m_records[levelCount];
    QList<int> m_levelList;
    QStringList m_levelNames;
    int m_currentLevel = -1;
    int m_running = 1;
    OtnMapping m_receivedMapping;
    OtnMapping m_transmittedMapping;
    TxTpTs m_tx[txStages];
    int m_txCopy[flexStages] = {1, 1};
    quint32 m_rxFlexTs[flexStages] = {0, 0};
    int m_ttiEncoding = 0;
    int m_otlSelector = 0;
    QSet<int> m_pendingIds;
};
