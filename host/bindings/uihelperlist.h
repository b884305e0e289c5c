#pragma once

#include <memory>
#include <type_traits>
#include <vector>

#include <QList>
#include <QObject>

#include "host/hostexport.h"
#include "host/parameters/qcmaparametermap.h"
#include "uihelper.h"

// Owns bindings and nested lists and passes life-cycle calls (connect, port, texts, access) to all.
// With a parameter map, the bindings' writes become pending values until sent or dropped.
class ZELBASE_EXPORT UiHelperList : public QObject
{
    Q_OBJECT
public:
    explicit UiHelperList(QObject *parent = nullptr);
    ~UiHelperList() override;

    // Takes the binding (or nested list) over; the pointer returned stays valid while the list holds it.
    template <typename Helper>
    std::enable_if_t<std::is_base_of<UiHelper, Helper>::value, Helper *> AddUiHelper(std::unique_ptr<Helper> helper)
    {
        Helper *added = helper.get();
        addHelper(std::move(helper));
        return added;
    }
    template <typename List>
    std::enable_if_t<std::is_base_of<UiHelperList, List>::value, List *> AddUiHelper(std::unique_ptr<List> list)
    {
        List *added = list.get();
        addList(std::move(list));
        return added;
    }

    void ConnectManual();
    void DisconnectManual();
    // Destroys every binding and nested list.
    virtual void Clear();
    void ChangePort(int port);
    void UpdateText();
    void ChangeTerminology(int terminology);
    void SetGUIAccessState(int state);

    QList<UiHelper *> helpers() const;
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
    void addHelper(std::unique_ptr<UiHelper> helper);
    void addList(std::unique_ptr<UiHelperList> list);

    UiHelperList *m_parentList = nullptr;
    std::vector<std::unique_ptr<UiHelper>> m_helpers;
    std::vector<std::unique_ptr<UiHelperList>> m_lists;
    std::unique_ptr<QcmaParameterMap> m_map;
};
