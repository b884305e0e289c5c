#include "otnsetuppagefactory.h"

#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagetx.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagetx.h"
#include "apps/shared/sid.h"
#include "host/contract/setuppageproperty.h"
#include "host/pages/physicalstatus.h"
#include "host/parameters/qcmaparameter.h"
#include "host/texts/widgettext.h"
#include "otnchsampledialogs.h"
#include "otnohsampledialogs.h"
#include "otnsetuppagemanager.h"

namespace {

using Id = InterfaceSetupIdentifier;

constexpr int rate = Id::RateDefault;
constexpr int rxInterfaceId = 12006;   // the Rx interface signal: decides whether the scan is offered

struct PageEntry {
    int pageId;
    const char *objectName;
};

// The order in which createPage compares; the page id alone selects.
constexpr PageEntry pageEntries[] = {
    {34, "OTN Tx Physical Setup"},
    {35, "OTN Rx Physical Setup"},
    {31, "OTN Tx Frame Setup"},
    {32, "OTN Rx Frame Setup"},
    {37, "OTN Physical status"},
    {38, "OTN Alarms/Errors status"},
    {39, "OTN OH Capture"},
    {40, "OTN Tributary Scan"},
    {70, "PhysicalStatus"},
};

// The page class of a page id. Pages whose classes are not in the library yet answer null, as an
// unknown id does.
Page *buildPage(int pageId, const Id &identifier, zelServerManager *manager)
{
    switch (pageId) {
    case 34:
        return new OtnSignalSetupPageTx(identifier, manager, 1);
    case 35:
        return new OtnSignalSetupPageRx(identifier, manager, 1);
    case 31:
        return new OtnFrameSetupPageTx(identifier, manager, 1);
    case 32:
        return new OtnFrameSetupPageRx(identifier, manager, 1);
    case 70:
        return new PhysicalStatus(identifier, manager, 1, nsSID::otn, QStringLiteral("otn_status_transceiver.html"));
    default:
        return nullptr;
    }
}

} // namespace

OtnSetupPageFactory::StatusJudge10Gonly::~StatusJudge10Gonly() = default;

bool OtnSetupPageFactory::StatusJudge10Gonly::judge(const QcmaParameter &parameter)
{
    const int sid = parameter.getSID();
    if (nsSID::groupOf(sid) == nsSID::otn && nsSID::idOf(sid) == rxInterfaceId) {
        const int value = parameter.getEnum();
        m_verdict = !(value >= 8 && value <= 13);
    }
    return m_verdict;
}

OtnSetupPageFactory::OtnSetupPageFactory()
{
    registerSetupPages();
    registerStatusPages();
}

OtnSetupPageFactory::OtnSetupPageFactory(const OtnSetupPageFactory &other)
    : InterfaceSetupPageFactory(other), m_judge10Gonly(other.m_judge10Gonly)
{
    adoptJudge(other);
}

OtnSetupPageFactory &OtnSetupPageFactory::operator=(const OtnSetupPageFactory &other)
{
    if (this == &other)
        return *this;
    InterfaceSetupPageFactory::operator=(other);
    m_judge10Gonly = other.m_judge10Gonly;
    adoptJudge(other);
    return *this;
}

OtnSetupPageFactory::~OtnSetupPageFactory() = default;

Page *OtnSetupPageFactory::createPage(const InterfaceSetupIdentifier &identifier, zelServerManager *manager)
{
    for (const PageEntry &entry : pageEntries) {
        if (!(Id(entry.pageId, 0, 0, 0) == identifier))
            continue;
        Page *page = buildPage(entry.pageId, identifier, manager);
        if (page)
            page->setObjectName(QString::fromLatin1(entry.objectName));
        return page;
    }
    return nullptr;
}

InterfaceSetupIdentifier::Technology OtnSetupPageFactory::technology() const
{
    return Id::TechnologyOtn;
}

std::vector<SampleDialog> OtnSetupPageFactory::createSampleDialogs(zelServerManager *manager, int port)
{
    std::vector<SampleDialog> samples = OtnOhSampleDialogs::create(manager, port);
    for (SampleDialog &sample : OtnChSampleDialogs::create(manager, port))
        samples.push_back(std::move(sample));
    return samples;
}

void OtnSetupPageFactory::registerSetupPages()
{
    m_setupPages.append(new SetupPageProperty(34, Id::DirectionTx, Id::LayerPhysical, Id::TechnologyOtn, nullptr,
                                              UI_Text::buildUIKey(5000)));
    m_setupPages.append(new SetupPageProperty(35, Id::DirectionRx, Id::LayerPhysical, Id::TechnologyOtn, nullptr,
                                              UI_Text::buildUIKey(5001)));

    auto *txManager = new OtnSetupPageManager(OtnSetupPageManager::DirectionTx);
    txManager->setFollowsSID(rate, nsSID::otnSid(0, 11141));
    for (int id : {11008, 11009, 11010, 11011, 11166, 11128, 11132, 11201})
        txManager->addButtonLabelId(0, id);
    m_setupPages.append(new SetupPageProperty(31, Id::DirectionTx, Id::LayerFrame, Id::TechnologyOtn, txManager,
                                              UI_Text::buildUIKey(4008)));

    auto *rxManager = new OtnSetupPageManager(OtnSetupPageManager::DirectionRx);
    rxManager->setFollowsSID(rate, nsSID::otnSid(0, 12018));
    for (int id : {12006, 12007, 12008, 12009, 12022, 12011, 12015, 12026, 12012, 12016, 12024})
        rxManager->addButtonLabelId(0, id);
    m_setupPages.append(new SetupPageProperty(32, Id::DirectionRx, Id::LayerFrame, Id::TechnologyOtn, rxManager,
                                              UI_Text::buildUIKey(4008)));
}

void OtnSetupPageFactory::registerStatusPages()
{
    m_physicalStatus.setPageId(37);
    m_physicalStatus.setTechnology(Id::TechnologyOtn);
    m_physicalStatus.setTitleKey(UI_Text::buildUIKey(4018));
    m_physicalStatus.addItem(rate, StatusItem::StatusMode, nsSID::otnSid(nsSID::noPort, 11001), true, nullptr);
    m_physicalStatus.addItem(rate, StatusItem::StatusAlarm, nsSID::otnSid(nsSID::noPort, 101), true, nullptr);
    m_physicalStatus.addItem(rate, StatusItem::StatusLevel, nsSID::otnSid(nsSID::noPort, 8106), true, nullptr);

    m_errorStatus.setPageId(38);
    m_errorStatus.setTechnology(Id::TechnologyOtn);
    m_errorStatus.setTitleKey(UI_Text::buildUIKey(5003));
    for (int id : {103, 117, 1111})
        m_errorStatus.addItem(rate, StatusItem::StatusAlarm, nsSID::otnSid(nsSID::noPort, id), true, nullptr);

    m_statusPages.append(new StatusPageProperty(39, Id::TechnologyOtn, 0, UI_Text::buildUIKey(5070)));
    m_statusPages.append(new StatusPageProperty(40, Id::TechnologyOtn, 0, UI_Text::buildUIKey(5121),
                                                {nsSID::otnSid(0, rxInterfaceId)}, &m_judge10Gonly));
    auto *transceiver = new StatusPageProperty;
    transceiver->setPageId(70);
    transceiver->setTechnology(Id::TechnologyOtn);
    transceiver->setTitleKey(UI_Text::buildUIKey(5095));
    m_statusPages.append(transceiver);
}

void OtnSetupPageFactory::adoptJudge(const OtnSetupPageFactory &other)
{
    for (StatusPageProperty *record : qAsConst(m_statusPages)) {
        if (record->showJudge() == &other.m_judge10Gonly)
            record->setShowJudge(&m_judge10Gonly);
    }
}
