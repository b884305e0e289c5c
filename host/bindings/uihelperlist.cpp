#include "uihelperlist.h"

#include "host/server/zelservermanager.h"
#include "uihelper.h"

UiHelperList::UiHelperList(QObject *parent) : QObject(parent) {}

UiHelperList::~UiHelperList()
{
    Clear(true);
}

void UiHelperList::AddUiHelper(UiHelper *helper)
{
    if (!helper || m_helpers.contains(helper))
        return;
    helper->setOwnerList(this);
    m_helpers.append(helper);
}

void UiHelperList::AddUiHelper(UiHelperList *list)
{
    if (!list || list == this || m_lists.contains(list))
        return;
    list->m_parentList = this;
    m_lists.append(list);
}

void UiHelperList::ConnectManual()
{
    for (UiHelper *h : qAsConst(m_helpers)) {
        if (h->connectionStrategy() == UiHelper::ConnectManually)
            h->ConnectManual();
    }
    for (UiHelperList *l : qAsConst(m_lists))
        l->ConnectManual();
}

void UiHelperList::DisconnectManual()
{
    for (UiHelper *h : qAsConst(m_helpers)) {
        if (h->connectionStrategy() == UiHelper::ConnectManually)
            h->DisconnectManual();
    }
    for (UiHelperList *l : qAsConst(m_lists))
        l->DisconnectManual();
}

void UiHelperList::Clear(bool deleteHelpers)
{
    const QList<UiHelper *> helpers = m_helpers;
    const QList<UiHelperList *> lists = m_lists;
    m_helpers.clear();
    m_lists.clear();
    for (UiHelper *h : helpers) {
        h->setOwnerList(nullptr);
        if (deleteHelpers)
            delete h;
    }
    for (UiHelperList *l : lists) {
        l->m_parentList = nullptr;
        if (deleteHelpers)
            delete l;
    }
}

void UiHelperList::ChangePort(int port)
{
    for (UiHelper *h : qAsConst(m_helpers))
        h->ChangePort(port);
    for (UiHelperList *l : qAsConst(m_lists))
        l->ChangePort(port);
}

void UiHelperList::UpdateText()
{
    for (UiHelper *h : qAsConst(m_helpers))
        h->UpdateText();
    for (UiHelperList *l : qAsConst(m_lists))
        l->UpdateText();
}

void UiHelperList::ChangeTerminology(int terminology)
{
    for (UiHelper *h : qAsConst(m_helpers))
        h->ChangeTerminology(terminology);
    for (UiHelperList *l : qAsConst(m_lists))
        l->ChangeTerminology(terminology);
}

void UiHelperList::SetGUIAccessState(int state)
{
    for (UiHelper *h : qAsConst(m_helpers))
        h->SetGUIAccessState(state);
    for (UiHelperList *l : qAsConst(m_lists))
        l->SetGUIAccessState(state);
}

int UiHelperList::count() const
{
    int n = m_helpers.size();
    for (UiHelperList *l : m_lists)
        n += l->count();
    return n;
}

void UiHelperList::enableParameterMap()
{
    if (!m_map)
        m_map = std::make_unique<QcmaParameterMap>();
}

void UiHelperList::setPendingValue(const QcmaParameter &value)
{
    if (!m_map)
        return;
    m_map->AddParameter(&value);
    for (UiHelper *h : helpersOf(value.getSID()))
        h->deliverLocal(value);
}

QcmaParameterMap UiHelperList::takePendingValues()
{
    if (!m_map)
        return {};
    QcmaParameterMap pending = std::move(*m_map);
    m_map->clear();
    return pending;
}

void UiHelperList::dropPendingValues()
{
    if (!m_map || m_map->isEmpty())
        return;
    QList<int> sids;
    const QcmaParameterMap dropped = takePendingValues();
    for (const QcmaParameter *p : dropped.parameters())
        sids.append(p->getSID());
    // Show the server's values again.
    for (int sid : qAsConst(sids)) {
        for (UiHelper *h : helpersOf(sid)) {
            if (h->serverManager()) {
                if (const QcmaParameter *current = h->serverManager()->cachedParameter(sid))
                    h->deliverLocal(*current);
            }
        }
    }
}

UiHelperList *UiHelperList::rootList()
{
    UiHelperList *list = this;
    while (list->m_parentList)
        list = list->m_parentList;
    return list;
}

QList<UiHelper *> UiHelperList::helpersOf(int sid) const
{
    QList<UiHelper *> found;
    for (UiHelper *h : m_helpers) {
        if (h->getSID() == sid)
            found.append(h);
    }
    for (UiHelperList *l : m_lists)
        found += l->helpersOf(sid);
    return found;
}
