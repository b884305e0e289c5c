#pragma once

#include "client/otn/components/clientinfo.h"
#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/stimuliwidget.h"

class OtnMapping;
class QComboBox;
class QcmaParameter;

// Base of the OTN stimuli panels: ties a panel to its port, rebuilds its bindings when the port moves,
// and (through the bound view) follows the port's parameters and current interval while it is shown.
class ZELOTN_EXPORT OtnStimuliWidget : public StimuliWidget, public NotifyInterface
{
    Q_OBJECT
public:
    OtnStimuliWidget(const ClientInfo &client, int uiTextId, QWidget *parent = nullptr);
    ~OtnStimuliWidget() override;

    // Takes the port of an OTN SID; a SID of another group is not this panel's and changes nothing.
    void setId(int sid) override;
    // Rebuilds the bindings on the new port; connected again at once when the panel is shown.
    void setPort(int port) override;
    void SetGUIAccessState(int state) override;

    const ClientInfo &client() const { return m_client; }
    int accessState() const { return m_accessState; }

protected:
    // Creates the panel's bindings for the current port.
    virtual void initializeHelpers() = 0;
    // Takes a transmit mapping parameter into the record (the multiplex stages count as none while
    // undefined); false, leaving the record as it was, for any other parameter.
    static bool takeTxMappingField(const QcmaParameter &parameter, OtnMapping &mapping);
    // What the panel inserts, told by its selectors ("cHEC Uncorrectable, Continuous"): nothing while the
    // first shows its first entry (Off, None); told anew whenever one of them changes.
    static QString selectorsText(const QList<QComboBox *> &selectors);
    void tellSelectorChanges(const QList<QComboBox *> &selectors);

private:
    ClientInfo m_client;
    int m_accessState = 0;
};
