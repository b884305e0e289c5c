#pragma once

#include <memory>

#include <QList>
#include <QSet>
#include <QVector>

#include "client/otn/components/clientinfo.h"
#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/pages/samplestates.h"
#include "otnresultpagebase.h"

class QComboBox;
class UiHelperList;

// The OTN result page of one view (alarms/errors or performance): a type combo chooses a group of rows
// (line, multiplex levels, client, TCM, justification, GFP, lanes), a TCM combo the tandem connection.
// The types offered and the rows of a type follow the received structure of every port of the page.
class ZELOTN_EXPORT OtnResultPage : public OtnResultPageBase, public NotifyInterface, public SampleStates
{
    Q_OBJECT
public:
    OtnResultPage(const TestResultIdentifier &identifier, const QList<int> &ports, const ClientInfo &info);
    ~OtnResultPage() override;

    void UpdateText() override;
    void initializeUi() override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // One state per result type the page offers, named after its combo entry.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;

    int view() const { return m_view; }
    // The result type whose rows the table shows.
    int currentType() const { return m_type; }
    // The chosen tandem connection, 0 = TCM1.
    int tcmIndex() const { return m_tcmIndex; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void changed_type_index(int index, bool update_later);
    void changed_type_index(int index);
    void changed_tcm_index(int index);

private:
    // What the page knows of one port's receiver.
    struct PortState {
        OtnMapping mapping;
        bool tcmEnabled = true;
        int levels = 0;   // ODU levels minus one
    };
    // Over all ports: which kinds of results exist.
    struct Flags {
        bool odtu[OtnMapping::maxStages] = {false, false, false};
        bool tcm = false;
        bool justification = false;
        bool gfp = false;
        bool lanes = false;
    };

    void setUpPorts();
    Flags flags() const;
    bool holds(OtnResultRows::Condition condition, const Flags &flags) const;
    void fillTypeCombo(bool updateLater);
    void showTcmCombo(const Flags &flags);
    void rebuildRows();
    void applyVisibility();
    bool rowShown(const OtnResultRows::Row &row, const Flags &flags) const;
    void applyRows();
    int flagged(int sid) const;

    ClientInfo m_info;
    int m_view = OtnResultRows::TypeLine;
    int m_type = OtnResultRows::TypeLine;
    int m_tcmIndex = 0;
    int m_bidirectionalOff = 0;   // the global bidirectional performance setting: 0 shows those rows
    bool m_portsSetUp = false;
    QVector<PortState> m_portStates;
    QList<int> m_followed;
    QSet<int> m_pending;
    std::unique_ptr<UiHelperList> m_notifications;
    QComboBox *m_cmbType = nullptr;
    QComboBox *m_cmbTcm = nullptr;
};
