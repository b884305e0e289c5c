#include "otnsetuppagefactory.h"

#include <algorithm>
#include <initializer_list>

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

// The navigation manager of a frame setup page's button: it follows the line rate of its direction.
OtnSetupPageManager *frameSetupManager(int direction)
{
    const bool tx = direction == Id::DirectionTx;
    auto *manager = new OtnSetupPageManager(tx ? OtnSetupPageManager::DirectionTx : OtnSetupPageManager::DirectionRx);
    manager->setFollowsSID(rate, nsSID::otnSid(0, tx ? PID::Otn::TX::LINE_RATE : PID::Otn::RX::LINE_RATE));
    for (int id : buttonLabelIds(tx))
        manager->addButtonLabelId(0, id);
    return manager;
}

using Creator = Page *(*)(const Id &, zelServerManager *);

template <class PageClass>
Page *create(const Id &identifier, zelServerManager *manager)
{
    return new PageClass(identifier, manager, 1);
}

Page *createTransceiverStatus(const Id &identifier, zelServerManager *manager)
{
    return new PhysicalStatus(identifier, manager, 1, nsSID::otn, QStringLiteral("otn_status_transceiver.html"));
}

// Where the host lists a page: a setup page (with a navigation button when its row asks for a manager),
// the first or second embedded status record (with its status items), or a further status record.
enum class Listing { SetupPage, PhysicalStatus, ErrorStatus, StatusPage };

struct Item {
    StatusItem::StatusType type;
    int id;   // 0: none
};

// One page of the plug-in: adding a screen is a row here and its class.
struct PageRow {
    Id::PageId pageId;
    const char *objectName;
    Creator create;
    int titleKey;
    Listing listing;
    Id::Direction direction = Id::DirectionNone;   // of a setup page
    Id::Layer layer = Id::LayerNone;
    bool navigation = false;    // a setup page manager drives its navigation button
    Item items[3] = {};         // of an embedded status record, on no port
    bool judged = false;        // a further status record offered by the scan judge
};

PageRow setupPage(Id::PageId pageId, const char *objectName, Creator creator, int titleKey, Id::Direction direction,
                  Id::Layer layer, bool navigation)
{
    PageRow row{pageId, objectName, creator, titleKey, Listing::SetupPage};
    row.direction = direction;
    row.layer = layer;
    row.navigation = navigation;
    return row;
}

PageRow statusRecord(Id::PageId pageId, const char *objectName, Creator creator, int titleKey, Listing listing,
                     std::initializer_list<Item> items)
{
    PageRow row{pageId, objectName, creator, titleKey, listing};
    std::copy(items.begin(), items.begin() + qMin(int(items.size()), 3), row.items);
    return row;
}

PageRow statusPage(Id::PageId pageId, const char *objectName, Creator creator, int titleKey, bool judged = false)
{
    PageRow row{pageId, objectName, creator, titleKey, Listing::StatusPage};
    row.judged = judged;
    return row;
}

// In the order in which createPage compares and the host's records are registered.
const QVector<PageRow> &pageRows()
{
    using namespace PID::Otn;
    static const QVector<PageRow> rows = {
        setupPage(Id::PageOtnTxPhysicalSetup, "OTN Tx Physical Setup", create<OtnSignalSetupPageTx>,
                  UI_Text::buildUIKey(5000), Id::DirectionTx, Id::LayerPhysical, false),
        setupPage(Id::PageOtnRxPhysicalSetup, "OTN Rx Physical Setup", create<OtnSignalSetupPageRx>,
                  UI_Text::buildUIKey(5001), Id::DirectionRx, Id::LayerPhysical, false),
        setupPage(Id::PageOtnTxFrameSetup, "OTN Tx Frame Setup", create<OtnFrameSetupPageTx>,
                  UI_Text::buildUIKey(4008), Id::DirectionTx, Id::LayerFrame, true),
        setupPage(Id::PageOtnRxFrameSetup, "OTN Rx Frame Setup", create<OtnFrameSetupPageRx>,
                  UI_Text::buildUIKey(4008), Id::DirectionRx, Id::LayerFrame, true),
        statusRecord(Id::PageOtnPhysicalStatus, "OTN Physical status", create<OtnStatusPhysicalPage>,
                     UI_Text::buildUIKey(4018), Listing::PhysicalStatus,
                     {{StatusItem::StatusMode, TX::PORT_MODE},
                      {StatusItem::StatusAlarm, STATUS::LOS},
                      {StatusItem::StatusLevel, PHYSICAL::RX_LEVEL}}),
        statusRecord(Id::PageOtnAlarmsErrorsStatus, "OTN Alarms/Errors status", create<OtnStatusErrorPage>,
                     UI_Text::buildUIKey(5003), Listing::ErrorStatus,
                     {{StatusItem::StatusAlarm, STATUS::OOF},
                      {StatusItem::StatusAlarm, nsIID::Otn::Alarm::ODU_AIS[0]},
                      {StatusItem::StatusAlarm, STATUS::FEC_CORRECTED}}),
        statusPage(Id::PageOtnOverheadCapture, "OTN OH Capture", create<OtnStatusCapturePage>,
                   UI_Text::buildUIKey(5070)),
        statusPage(Id::PageOtnTributaryScan, "OTN Tributary Scan", create<OtnTestTScanPage>,
                   UI_Text::buildUIKey(5121), true),
        statusPage(Id::PageOtnTransceiverStatus, "PhysicalStatus", createTransceiverStatus,
                   UI_Text::buildUIKey(5095)),
    };
    return rows;
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
    registerPages();
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
    for (const PageRow &row : pageRows()) {
        if (!(Id(row.pageId, Id::DirectionNone, Id::LayerNone, Id::TechnologyNone) == identifier))
            continue;
        Page *page = row.create(identifier, manager);
        if (page)
            page->setObjectName(QString::fromLatin1(row.objectName));
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

void OtnSetupPageFactory::registerPages()
{
    for (const PageRow &row : pageRows()) {
        switch (row.listing) {
        case Listing::SetupPage: {
            // The manager is made and registered before the record that hands it to the host.
            OtnSetupPageManager *manager = row.navigation ? frameSetupManager(row.direction) : nullptr;
            m_setupPages.append(
                new SetupPageProperty(row.pageId, row.direction, row.layer, Id::TechnologyOtn, manager, row.titleKey));
            break;
        }
        case Listing::PhysicalStatus:
        case Listing::ErrorStatus: {
            StatusPageProperty &record = row.listing == Listing::PhysicalStatus ? m_physicalStatus : m_errorStatus;
            record.setPageId(row.pageId);
            record.setTechnology(Id::TechnologyOtn);
            record.setTitleKey(row.titleKey);
            for (const Item &item : row.items) {
                if (item.id)
                    record.addItem(rate, item.type, nsSID::otnSid(nsSID::noPort, item.id), true, nullptr);
            }
            break;
        }
        case Listing::StatusPage: {
            const QVector<int> followed = row.judged ? QVector<int>{nsSID::otnSid(0, rxInterfaceId())} : QVector<int>{};
            m_statusPages.append(new StatusPageProperty(row.pageId, Id::TechnologyOtn, 0, row.titleKey, followed,
                                                        row.judged ? &m_judge10Gonly : nullptr));
            break;
        }
        }
    }
}

void OtnSetupPageFactory::adoptJudge(const OtnSetupPageFactory &other)
{
    for (StatusPageProperty *record : qAsConst(m_statusPages)) {
        if (record->showJudge() == &other.m_judge10Gonly)
            record->setShowJudge(&m_judge10Gonly);
    }
}
