#include "otnsetuppagefactory.h"

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagetx.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagetx.h"
#include "client/otn/interface_setup_status/pages/status/otnstatuscapturepage.h"
#include "client/otn/interface_setup_status/pages/status/otnstatuserrorpage.h"
#include "client/otn/interface_setup_status/pages/status/otnstatusphysicalpage.h"
#include "client/otn/interface_setup_status/pages/status/tributaryscan/otntesttscanpage.h"
#include "host/contract/setuppageproperty.h"
#include "host/otn/otniid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/pages/physicalstatus.h"
#include "host/parameters/qcmaparameter.h"
#include "host/texts/widgettext.h"
#include "otnchsampledialogs.h"
#include "otnohsampledialogs.h"
#include "otnsetuppagemanager.h"

namespace {

using Id = InterfaceSetupIdentifier;

constexpr int rate = Id::RateDefault;
// The Rx interface signal decides whether the scan is offered.
int rxInterfaceId()
{
    return PID::Otn::RX::MAPPING[OtnMapping::FieldInterface];
}

// The ids whose values a setup page manager's button label shows, per direction.
QList<int> buttonLabelIds(bool tx)
{
    using namespace PID::Otn;
    QList<int> ids;
    for (int field = 0; field < OtnMapping::fieldCount; ++field)
        ids.append((tx ? TX::MAPPING : RX::MAPPING)[field]);
    for (int stage = 0; !tx && stage < OtnMapping::maxStages; ++stage)
        ids.append(RX::DET_MODE[stage]);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage)
        ids.append((tx ? TX::MAIN_TP : RX::MAIN_TP)[stage]);
    return ids;
}

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
    case 37:
        return new OtnStatusPhysicalPage(identifier, manager, 1);
    case 38:
        return new OtnStatusErrorPage(identifier, manager, 1);
    case 39:
        return new OtnStatusCapturePage(identifier, manager, 1);
    case 40:
        return new OtnTestTScanPage(identifier, manager, 1);
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
    if (nsSID::groupOf(sid) == nsSID::otn && nsSID::idOf(sid) == rxInterfaceId()) {
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
    txManager->setFollowsSID(rate, nsSID::otnSid(0, PID::Otn::TX::LINE_RATE));
    for (int id : buttonLabelIds(true))
        txManager->addButtonLabelId(0, id);
    m_setupPages.append(new SetupPageProperty(31, Id::DirectionTx, Id::LayerFrame, Id::TechnologyOtn, txManager,
                                              UI_Text::buildUIKey(4008)));

    auto *rxManager = new OtnSetupPageManager(OtnSetupPageManager::DirectionRx);
    rxManager->setFollowsSID(rate, nsSID::otnSid(0, PID::Otn::RX::LINE_RATE));
    for (int id : buttonLabelIds(false))
        rxManager->addButtonLabelId(0, id);
    m_setupPages.append(new SetupPageProperty(32, Id::DirectionRx, Id::LayerFrame, Id::TechnologyOtn, rxManager,
                                              UI_Text::buildUIKey(4008)));
}

void OtnSetupPageFactory::registerStatusPages()
{
    m_physicalStatus.setPageId(37);
    m_physicalStatus.setTechnology(Id::TechnologyOtn);
    m_physicalStatus.setTitleKey(UI_Text::buildUIKey(4018));
    using namespace PID::Otn;
    const auto itemSid = [](int id) { return nsSID::otnSid(nsSID::noPort, id); };
    m_physicalStatus.addItem(rate, StatusItem::StatusMode, itemSid(TX::PORT_MODE), true, nullptr);
    m_physicalStatus.addItem(rate, StatusItem::StatusAlarm, itemSid(STATUS::LOS), true, nullptr);
    m_physicalStatus.addItem(rate, StatusItem::StatusLevel, itemSid(PHYSICAL::RX_LEVEL), true, nullptr);

    m_errorStatus.setPageId(38);
    m_errorStatus.setTechnology(Id::TechnologyOtn);
    m_errorStatus.setTitleKey(UI_Text::buildUIKey(5003));
    for (int id : {STATUS::OOF, nsIID::Otn::Alarm::ODU_AIS[0], STATUS::FEC_CORRECTED})
        m_errorStatus.addItem(rate, StatusItem::StatusAlarm, itemSid(id), true, nullptr);

    m_statusPages.append(new StatusPageProperty(39, Id::TechnologyOtn, 0, UI_Text::buildUIKey(5070)));
    m_statusPages.append(new StatusPageProperty(40, Id::TechnologyOtn, 0, UI_Text::buildUIKey(5121),
                                                {nsSID::otnSid(0, rxInterfaceId())}, &m_judge10Gonly));
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
