#include "uihelperlist.h"

#include "host/server/zelservermanager.h"
#include "uihelper.h"

UiHelperList::UiHelperList(QObject *parent) : QObject(parent) {}

UiHelperList::~UiHelperList()
{
    Clear();
}

void UiHelperList::addHelper(std::unique_ptr<UiHelper> helper)
{
    if (!helper)
        return;
    helper->setOwnerList(this);
    m_helpers.push_back(std::move(helper));
}

void UiHelperList::addList(std::unique_ptr<UiHelperList> list)
{
    if (!list)
        return;
    list->m_parentList = this;
    m_lists.push_back(std::move(list));
}

void UiHelperList::ConnectManual()
{
    for (const auto &h : m_helpers) {
        if (h->connectionStrategy() == UiHelper::ConnectManually)
            h->ConnectManual();
    }
    for (const auto &l : m_lists)
        l->ConnectManual();
}

void UiHelperList::DisconnectManual()
{
    for (const auto &h : m_helpers) {
        if (h->connectionStrategy() == UiHelper::ConnectManually)
            h->DisconnectManual();
    }
    for (const auto &l : m_lists)
        l->DisconnectManual();
}

void UiHelperList::Clear()
{
    // Taken out first: a binding that goes may still reach its list while it is destroyed.
    std::vector<std::unique_ptr<UiHelper>> helpers = std::move(m_helpers);
    std::vector<std::unique_ptr<UiHelperList>> lists = std::move(m_lists);
    m_helpers.clear();
    m_lists.clear();
    for (const auto &h : helpers)
        h->setOwnerList(nullptr);
    for (const auto &l : lists)
        l->m_parentList = nullptr;
}

void UiHelperList::ChangePort(int port)
{
    for (const auto &h : m_helpers)
        h->ChangePort(port);
    for (const auto &l : m_lists)
        l->ChangePort(port);
}

void UiHelperList::UpdateText()
{
    for (const auto &h : m_helpers)
        h->UpdateText();
    for (const auto &l : m_lists)
        l->UpdateText();
}

void UiHelperList::ChangeTerminology(int terminology)
{
    for (const auto &h : m_helpers)
        h->ChangeTerminology(terminology);
    for (const auto &l : m_lists)
        l->ChangeTerminology(terminology);
}

void UiHelperList::SetGUIAccessState(int state)
{
    for (const auto &h : m_helpers)
        h->SetGUIAccessState(state);
    for (const auto &l : m_lists)
        l->SetGUIAccessState(state);
}

QList<UiHelper *> UiHelperList::helpers() const
{
    QList<UiHelper *> list;
    for (const auto &h : m_helpers)
        list.append(h.get());
    return list;
}

int UiHelperList::count() const
{
    int n = int(m_helpers.size());
    for (const auto &l : m_lists)
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
    for (const auto &h : m_helpers) {
        if (h->getSID() == sid)
            found.append(h.get());
    }
    for (const auto &l : m_lists)
        found += l->helpersOf(sid);
    return found;
}
