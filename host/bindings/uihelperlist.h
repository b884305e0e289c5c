#pragma once

#include <memory>

#include <QList>
#include <QObject>

#include "host/hostexport.h"
#include "host/parameters/qcmaparametermap.h"

class UiHelper;

// Owns bindings and nested lists and passes life-cycle calls (connect, port, texts, access) to all.
// With a parameter map, the bindings' writes become pending values until sent or dropped.
class ZELBASE_EXPORT UiHelperList : public QObject
{
    Q_OBJECT
public:
    explicit UiHelperList(QObject *parent = nullptr);
    ~UiHelperList() override;

    void AddUiHelper(UiHelper *helper);
    void AddUiHelper(UiHelperList *list);

    void ConnectManual();
    void DisconnectManual();
    // Removes every binding and nested list; deletes them when deleteHelpers is true.
    virtual void Clear(bool deleteHelpers = true);
    void ChangePort(int port);
    void UpdateText();
    void ChangeTerminology(int terminology);
    void SetGUIAccessState(int state);

    QList<UiHelper *> helpers() const { return m_helpers; }
    QList<UiHelperList *> lists() const { return m_lists; }
    int count() const;   // bindings, nested lists counted through

    // Pending values (dialogs): installs an owned, empty map.
    void enableParameterMap();
    QcmaParameterMap *parameterMap() const { return m_map.get(); }
    void setPendingValue(const QcmaParameter &value);
    // Hands the pending values over as one batch and empties the map.
    QcmaParameterMap takePendingValues();
    void dropPendingValues();

    UiHelperList *rootList();
    // Every binding of the SID in this list and the nested ones.
    QList<UiHelper *> helpersOf(int sid) const;

private:
    UiHelperList *m_parentList = nullptr;
    QList<UiHelper *> m_helpers;
    QList<UiHelperList *> m_lists;
    std::unique_ptr<QcmaParameterMap> m_map;
};
