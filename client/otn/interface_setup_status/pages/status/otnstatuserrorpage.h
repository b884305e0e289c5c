#pragma once

#include <memory>

#include <QSet>
#include <QSignalMapper>

#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/pages/samplestates.h"
#include "otnstatuscounters.h"
#include "otnstatuspagebase.h"

namespace Ui { class OtnStatusErrorPage; }

class PortStatusItem;
class QLabel;
class QPushButton;
class QTableWidget;
class UiHelper_Notification;
class UiHelper_Status;
class UiHelperList;
class UiHelperListTableStatus;

// The receiver's alarms and errors of one multiplex level at a time, each an LED with its name. Level
// buttons, one per ODU level of the received structure and one for the logical lanes of a multi-lane
// signal, carry the level's summary LED and choose the level whose tables are shown and followed.
class ZELOTN_EXPORT OtnStatusErrorPage : public OtnStatusPageBase, public NotifyInterface, public SampleStates
{
    Q_OBJECT
public:
    // Level index of the multi-lane level; 0-3 are the ODU levels.
    static constexpr int laneLevel = 4;
    static constexpr int levelCount = 5;

    OtnStatusErrorPage(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnStatusErrorPage() override;

    void UpdateText() override;
    void initializeUi() override;
    void initializeHelper() override;
    void setPort(int port) override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int currentLevel() const { return m_currentLevel; }
    const OtnMapping &receivedMapping() const { return m_receivedMapping; }
    // The names on the level buttons: the line's OTU and ODU together, then the other ODUs.
    static QStringList levelNames(const OtnMapping &mapping);

    // One state per level button the received structure has, named as the button: its level shown.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void changed_level(int tabIndex);

private:
    struct LevelButton {
        PortStatusItem *led = nullptr;
        QLabel *label = nullptr;
        QPushButton *button = nullptr;
    };

    void buildLevelButtons();
    void setupTable(QTableWidget *table);
    void updateLevelButtons();
    void rebuild();
    void showLevel(int level);
    void fillTable(OtnStatusCounters::Kind kind, int level);
    void buildLaneTables();
    void clearLaneTables();
    // The LED and name of one status in a cell widget; the binding that drives them comes back in binding.
    std::unique_ptr<QWidget> createCell(int column, int sid, std::unique_ptr<UiHelper_Status> *binding);
    void refillPendingMappingIds();
    // The levels whose buttons are offered, in the order they are shown.
    QVector<int> offeredLevels() const;

    std::unique_ptr<Ui::OtnStatusErrorPage> ui;
    OtnStatusCounters m_counters;
    LevelButton m_levelButtons[levelCount];
    QSignalMapper m_levelMapper;
    QTableWidget *m_alarmTables[levelCount] = {};
    QTableWidget *m_errorTables[levelCount] = {};
    // Owned by the page's binding list.
    UiHelperListTableStatus *m_alarmBindings[OtnStatusCounters::oduLevels] = {};
    UiHelperListTableStatus *m_errorBindings[OtnStatusCounters::oduLevels] = {};
    UiHelperList *m_laneBindings = nullptr;
    UiHelper_Status *m_levelStatus[levelCount] = {};
    UiHelper_Notification *m_mappingNotifications[OtnMapping::fieldCount] = {};
    UiHelper_Notification *m_intervalNotification = nullptr;
    int m_currentLevel = 0;
    int m_laneCount = 0;
    OtnMapping m_receivedMapping;
    QSet<int> m_pendingMappingIds;
};
