#include "otnsetuppagemanager.h"

#include <QAbstractButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/odtudisplayname.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/texts/widgettext.h"

namespace {

using Id = InterfaceSetupIdentifier;

// Mode value of a receiver level whose tributary port is set by the user, not detected.
constexpr int fixedPortMode = 1;

} // namespace

OtnSetupPageManager::OtnSetupPageManager(int direction, QObject *parent)
    : SetupPageManager(parent), m_direction(direction)
{
    m_mapping.init();
}

InterfaceSetupIdentifier *OtnSetupPageManager::setupPage(const InterfaceSetupIdentifier &type)
{
    ZEL_ASSERT_TEXT(static_cast<const void *>(&type) != nullptr, "( (void*)&type != 0 )", QStringLiteral("type is 0"));
    if (type.technology() != InterfaceSetupIdentifier::TechnologyOtn)
        return nullptr;
    int pageId = -1;
    const int direction = type.direction();
    if (type.layer() == InterfaceSetupIdentifier::LayerPhysical || type.layer() == InterfaceSetupIdentifier::LayerFrame) {
        const bool physical = type.layer() == InterfaceSetupIdentifier::LayerPhysical;
        if (direction == InterfaceSetupIdentifier::DirectionTx)
            pageId = physical ? Id::PageOtnTxPhysicalSetup : Id::PageOtnTxFrameSetup;
        else if (direction == InterfaceSetupIdentifier::DirectionRx)
            pageId = physical ? Id::PageOtnRxPhysicalSetup : Id::PageOtnRxFrameSetup;
        else
            ZEL_FATAL(QStringLiteral("OtnSetupPageManager: setupPage(direction=%1) fail.").arg(direction));
    } else {
        ZEL_FATAL(QStringLiteral("OtnButtonIdentifier: getSetupPage(layer=%1, technology=%2) fail.")
                      .arg(type.layer())
                      .arg(type.technology()));
    }
    return new InterfaceSetupIdentifier(pageId, direction, type.layer(), type.technology());
}

void OtnSetupPageManager::refreshButtonLabel()
{
    if (QAbstractButton *button = getButton())
        button->setText(buttonLabel());
}

void OtnSetupPageManager::addButtonLabelId(int port, int id)
{
    m_pending.insert(id);
    setButtonLabelSID(nsSID::otnSid(port, id));
}

void OtnSetupPageManager::updateButtonLabel(QcmaParameter *parameter)
{
    if (!parameter) {
        qCDebug(lcZelIgnored).noquote() << QStringLiteral("OtnSetupPageManager::updateButtonLabel: parameter is null.");
        return;
    }
    const int sid = nsSID::setPort(parameter->getSID(), 0);
    if (!isButtonLabelSID(sid))
        return;
    const int id = nsSID::idOf(sid);
    int value = 0;
    switch (parameter->getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
        value = parameter->getInt();
        break;
    case QcmaParameter::TypeUInt:
        value = int(parameter->getUInt());
        break;
    default:
        qCDebug(lcZelIgnored).noquote()
            << QStringLiteral("OtnSetupPageManager::updateButtonLabel: unknown parameter type for ID %1; ignored.")
                   .arg(id, 0, 16);
        return;
    }
    if (!storeValue(id, value)) {
        qCDebug(lcZelIgnored).noquote()
            << QStringLiteral("OtnSetupPageManager::updateButtonLabel: unknown PID for ID %1; ignored.").arg(id, 0, 16);
        return;
    }
    m_pending.remove(id);
    if (!m_pending.isEmpty())
        return;
    refreshButtonLabel();
}

void OtnSetupPageManager::followsChanged(QcmaParameter *) {}

bool OtnSetupPageManager::storeValue(int id, int value)
{
    // Either direction is accepted: only the manager's registered ids reach it.
    using namespace PID::Otn;
    int index = PID::indexIn(TX::MAPPING, OtnMapping::fieldCount, id);
    if (index < 0)
        index = PID::indexIn(RX::MAPPING, OtnMapping::fieldCount, id);
    if (index >= 0) {
        m_mapping.setValue(index, value);
        return true;
    }
    index = PID::indexIn(TX::MAIN_TP, levels, id);
    if (index < 0)
        index = PID::indexIn(RX::MAIN_TP, levels, id);
    if (index >= 0) {
        m_portNumber[index] = value;
        return true;
    }
    index = PID::indexIn(RX::DET_MODE, levels, id);
    if (index >= 0) {
        m_levelMode[index] = value;
        return true;
    }
    return false;
}

bool OtnSetupPageManager::showsPortNumber(int level) const
{
    if (m_direction != DirectionRx || m_levelMode[level] == fixedPortMode)
        return true;
    // A detected tributary port is not known beforehand: the label leaves its number out.
    return OtnTpTs::getTpTsInfo(level, m_mapping, 0).autoDetection == 0;
}

QString OtnSetupPageManager::buttonLabel() const
{
    // The Tx interface parameter names the rate for both directions.
    const int rateSid = nsSID::otnSid(0, PID::Otn::TX::MAPPING[OtnMapping::FieldInterface]);
    QString label = texts().getValueName(rateSid, m_mapping.value(OtnMapping::FieldInterface), 0);
    label.remove(QStringLiteral("(Ext. OPU2)"));
    const int oduCount = m_mapping.getOduCount();
    for (int level = 0; level <= oduCount - 2 && level < levels; ++level) {
        label += QStringLiteral(" - ") + odtuDisplayName(texts(), 0, m_mapping, level);
        if (showsPortNumber(level))
            label += QStringLiteral("#%1").arg(m_portNumber[level]);
    }
    QString payload = m_mapping.getLoOduName();
    payload.replace(QStringLiteral("ODU"), QStringLiteral("OPU"));
    if (payload == QLatin1String("OPU2") && m_mapping.hasExtendedOpu(oduCount - 1))
        payload.prepend(QStringLiteral("Ext. "));
    return label + QStringLiteral(" - ") + payload;
}
