#pragma once

#include <QVector>

#include "client/otn/otnexport.h"
#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstableitem.h"

// The OTN result pages' row vocabulary: sections opened by a header and closed by an end, counter rows
// of each kind, and the blocks several result types share (the alarms and errors of an ODU level, its
// justification counters, the performance figures of a path).
class ZELOTN_EXPORT OtnResultPageBase : public StatisticsListTablePage
{
    Q_OBJECT
public:
    // The counters of one performance block, in the order they are listed.
    struct PerformanceCounters {
        int stateNear, sesNear, bbeNear, uasNear;
        int stateFar, sesFar, bbeFar, uasFar;
        int stateBidirectional, sesBidirectional, bbeBidirectional, uasBidirectional;
    };

    OtnResultPageBase(const TestResultIdentifier &identifier, zelServerManager *manager, const QList<int> &ports,
                      QWidget *parent = nullptr);
    ~OtnResultPageBase() override;

    const QVector<nsStatistics::TableItem> &rows() const { return m_rows; }

    // The counters of the ODU path performance of a level, and of a tandem connection (0 = TCM1).
    static PerformanceCounters oduPerformance(int level);
    static PerformanceCounters tcmPerformance(int tcm);
    // The line's own figures.
    static PerformanceCounters linePerformance();

protected:
    void clearRows();
    // A section opens with a header of a title and column titles (StatisticsTable's defaults for 0).
    void openSection(int section, int title, int firstColumn = 0, int secondColumn = 0);
    void addHeader(int section, int title, int column = 0);
    void closeSection(int section);
    void addAlarmError(int section, int counterId);
    void addValue(int section, int counterId);
    void addState(int section, int counterId);
    void addSecondValue(int section, int counterId);
    void addCount(int section, int counterId);
    // A counter of a two-column section, with the second column's counter when it has one.
    void addPair(int section, int counterId, int pairCounterId = -1);

    // The alarms and errors of ODU level k in section k.
    void addOduBlock(int level);
    // The justification counters of level k's OPU (AMP) and its Cm statistics (GMP).
    void addAmpBlock(int level);
    void addGmpBlock(int level);
    // Near end and far end in section, bidirectional figures in bidirectionalSection.
    void addPerformanceBlock(int title, int nameCounter, const PerformanceCounters &counters, int section,
                             int bidirectionalSection);

    QVector<nsStatistics::TableItem> m_rows;

private:
    void addRow(int section, int counterId, int kind, bool flagA = false, bool flagB = false);
};
