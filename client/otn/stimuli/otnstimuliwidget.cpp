#include "otnstimuliwidget.h"

#include <QComboBox>

#include "apps/shared/sid.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"

OtnStimuliWidget::OtnStimuliWidget(const ClientInfo &client, int uiTextId, QWidget *parent)
    : StimuliWidget(client.serverManager, client.port, uiTextId, parent), m_client(client)
{
    setIntervalGroup(nsSID::otn);
}

OtnStimuliWidget::~OtnStimuliWidget() = default;

void OtnStimuliWidget::setId(int sid)
{
    if (nsSID::groupOf(sid) != nsSID::otn)
        return;
    setPort(nsSID::portOf(sid));
    StimuliWidget::setId(sid);
}

void OtnStimuliWidget::setPort(int port)
{
    const bool valid = 0 < port && nsSID::max_number_of_ports >= port;
    ZEL_ASSERT_TEXT(valid, "(0 < port) && (nsSID::max_number_of_ports >= port)",
                    QStringLiteral("OtnStimuliWidget::setPort: Incorrect port value(%1)").arg(port));
    // A port the tester does not have keeps the panel where it is.
    if (!valid || port == m_port)
        return;
    m_port = port;
    m_client.port = port;
    m_helpers->DisconnectManual();
    m_helpers->Clear();
    initializeHelpers();
    connectBindings();
}

void OtnStimuliWidget::SetGUIAccessState(int state)
{
    m_accessState = state;
    StimuliWidget::SetGUIAccessState(state);
}

bool OtnStimuliWidget::takeTxMappingField(const QcmaParameter &parameter, OtnMapping &mapping)
{
    const int field = PID::indexIn(PID::Otn::TX::MAPPING, OtnMapping::fieldCount, nsSID::idOf(parameter.getSID()));
    if (field < 0 || parameter.getType() != QcmaParameter::TypeEnum)
        return false;
    mapping.setValue(field, field >= OtnMapping::FieldStage0 && !parameter.isDefined() ? 0 : parameter.getEnum());
    return true;
}

QString OtnStimuliWidget::selectorsText(const QList<QComboBox *> &selectors)
{
    if (selectors.isEmpty() || selectors.first()->currentIndex() <= 0)
        return QString();
    QStringList parts;
    for (const QComboBox *selector : selectors) {
        if (!selector->currentText().isEmpty())
            parts << selector->currentText();
    }
    return parts.join(QStringLiteral(", "));
}

void OtnStimuliWidget::tellSelectorChanges(const QList<QComboBox *> &selectors)
{
    for (QComboBox *selector : selectors)
        connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &StimuliWidget::insertionChanged);
}
