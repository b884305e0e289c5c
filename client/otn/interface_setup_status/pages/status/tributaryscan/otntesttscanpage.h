#pragma once

#include <memory>

#include <QList>
#include <QSignalMapper>
#include <QVector>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/pages/samplestates.h"
#include "host/pages/setupstatuspage.h"
#include "otntscanlevels.h"

namespace Ui {
class OtnTestTScanPage;
}

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class UiHelper_Notification;
class UiHelper_Setter;

// The tributary scan: one row of channel buttons per level of the received structure, coloured by
// the alarms the tester found in each tributary while it scans. In scan mode a press narrows the scan
// to a tributary; in detail mode it lists the tributary's alarms.
class ZELOTN_EXPORT OtnTestTScanPage : public SetupStatusPage, public NotifyInterface, public SampleStates
{
    Q_OBJECT
public:
    enum TScanMode { ModeScan = 0, ModeDetail = 1 };

    static constexpr int resultWordCount = 83;

    OtnTestTScanPage(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnTestTScanPage() override;

    void setPort(int port) override;
    void UpdateText() override;
    void SetGUIAccessState(int state) override;
    void initializeUi() override;
    void initializeHelper() override;

    void intervalDataChanged(const IntervalData &data) override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // "scanning": started, descended into the line, results shown; "detail": the first tributary in
    // alarm detailed, as a user would reach them.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;

    TScanMode mode() const { return m_mode; }
    bool isRunning() const { return m_running; }
    bool isBlocked() const { return m_blocked; }
    // Level rows shown (0 to 3).
    int depth() const { return m_depth; }
    // The channel chosen on a level, 0 for none.
    int selectedChannel(int level) const;
    // The alarm word of a tributary in the last result block; 0 where the level is not scanned.
    quint32 resultOf(int level, int channel) const;

protected:
    void hideEvent(QHideEvent *event) override;

private slots:
    void chPressed(int level, int ch);
    void level1Pressed();
    void level2Pressed(int ch);
    void level3Pressed(int ch);
    void setMode(TScanMode mode);
    void scanPressed();
    void detailPressed();
    void onClickedStartStopButton();

private:
    // Makes the level's channel buttons up to count, hidden until a rebuild puts them in their row.
    void ensureChannelButtons(int level, int count);
    void mappingChanged();
    void reset();
    void start();
    void stop();
    void writeRunning(int value);
    void setRunningState(bool on);
    void rebuild();
    void clearSelection();
    void applyDepth(int depth);
    void select(int level, int channel);
    void colourButtons();
    void showDetail(int level, int channel);

    std::unique_ptr<Ui::OtnTestTScanPage> ui;
    OtnMapping m_mapping;
    TScanMode m_mode = ModeScan;
    bool m_running = false;
    bool m_blocked = false;
    int m_depth = 0;
    int m_selected[OtnTScanLevels::levelCount] = {0, 0, 0};
    QVector<quint32> m_results = QVector<quint32>(resultWordCount, 0);
    bool m_resultsArrived = false;   // since the last reset

    QList<QPushButton *> m_buttons[OtnTScanLevels::levelCount];
    QSignalMapper m_mappers[OtnTScanLevels::levelCount];
    QFrame *m_separators[OtnTScanLevels::levelCount] = {};
    QLabel *m_levelLabels[OtnTScanLevels::levelCount] = {};
    QLabel *m_tpLabels[OtnTScanLevels::levelCount] = {};
    QGridLayout *m_grids[OtnTScanLevels::levelCount] = {};

    UiHelper_Setter *m_mappingSetters[4] = {};   // interface, client, stages 0 and 1
    // Connected only while the scan runs, so it is not in the page's list.
    std::unique_ptr<UiHelper_Notification> m_resultNotification;
    UiHelper_Setter *m_selectionSetters[OtnTScanLevels::levelCount] = {};
};
