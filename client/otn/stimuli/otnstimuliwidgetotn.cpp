#include "otnstimuliwidgetotn.h"

#include "ui_otnstimuliwidgetotn.h"

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "otnstimuliwidgeterror.h"
#include "otnstimuliwidgetfec.h"
#include "otnstimuliwidgetgfp.h"
#include "otnstimuliwidgetgmp.h"
#include "otnstimuliwidgetllderror.h"

namespace {

constexpr int containerTitleText = 3069;

// Category keys: the values of the category parameter.
enum CategoryKey { ErrorAlarmCategory = 0, GmpCategory, GfpCategory, FecCategory, LldErrorCategory };

} // namespace

OtnStimuliWidgetOtn::OtnStimuliWidgetOtn(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, containerTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetOtn>())
{
    ui->setupUi(this);
    installComboDelegates(this);
    UpdateText();
    const QList<QPair<int, StimuliWidget *>> panels{
        {ErrorAlarmCategory, new OtnStimuliWidgetError(client, ui->pages)},
        {GmpCategory, new OtnStimuliWidgetGmp(client, ui->pages)},
        {GfpCategory, new OtnStimuliWidgetGfp(client, ui->pages)},
        {FecCategory, new OtnStimuliWidgetFec(client, ui->pages)},
        {LldErrorCategory, new OtnStimuliWidgetLldError(client, ui->pages)},
    };
    for (const auto &entry : panels) {
        m_pages.insert(entry.first, entry.second);
        ui->pages->addWidget(entry.second);
    }
    initializeHelpers();
}

OtnStimuliWidgetOtn::~OtnStimuliWidgetOtn() = default;

void OtnStimuliWidgetOtn::initializeHelpers()
{
    const int sid = nsSID::otnSid(port(), PID::Otn::STIMULI::CATEGORY);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbItem, ui->lblItem, nullptr,
                                                                    nullptr, sid, 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, sid, 1));
}

StimuliWidget *OtnStimuliWidgetOtn::currentPanel() const
{
    return qobject_cast<StimuliWidget *>(ui->pages->currentWidget());
}

void OtnStimuliWidgetOtn::UpdateText()
{
    for (StimuliWidget *page : qAsConst(m_pages))
        page->UpdateText();
    OtnStimuliWidget::UpdateText();
}

void OtnStimuliWidgetOtn::SetGUIAccessState(int state)
{
    for (StimuliWidget *page : qAsConst(m_pages))
        page->SetGUIAccessState(state);
    OtnStimuliWidget::SetGUIAccessState(state);
}

void OtnStimuliWidgetOtn::ChangeTerminology(int terminology)
{
    for (StimuliWidget *page : qAsConst(m_pages))
        page->ChangeTerminology(terminology);
    OtnStimuliWidget::ChangeTerminology(terminology);
}

void OtnStimuliWidgetOtn::setPort(int port)
{
    OtnStimuliWidget::setPort(port);
    for (StimuliWidget *page : qAsConst(m_pages))
        page->setPort(port);
}

void OtnStimuliWidgetOtn::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (nsSID::idOf(parameter.getSID()) == PID::Otn::STIMULI::CATEGORY)
        itemChanged(parameter.getEnum());
}

void OtnStimuliWidgetOtn::itemChanged(int index)
{
    // A category without a panel here (a newer tester's) keeps the page the user sees.
    if (StimuliWidget *panel = m_pages.value(index))
        ui->pages->setCurrentWidget(panel);
}

QStringList OtnStimuliWidgetOtn::sampleStateNames() const
{
    QStringList names;
    const int sid = nsSID::otnSid(port(), PID::Otn::STIMULI::CATEGORY);
    for (int key = 0; key < m_pages.size(); ++key) {
        const QString name = m_manager ? m_manager->texts().getValueName(sid, key) : QString();
        names << (name.isEmpty() ? QString::number(key) : name);
    }
    return names;
}

bool OtnStimuliWidgetOtn::stepToSampleState(int index)
{
    StimuliWidget *panel = m_pages.value(index);
    if (!panel)
        return false;
    if (currentPanel() == panel)
        return true;
    std::unique_ptr<QcmaParameter> category =
        m_manager ? m_manager->GetQcmaParameter(nsSID::otnSid(port(), PID::Otn::STIMULI::CATEGORY)) : nullptr;
    const auto *choices = dynamic_cast<const QcmaParameterEnum *>(category.get());
    itemChanged(index);
    // A category the signal does not offer would be refused and the page switched back: shown as it is.
    if (!choices || !choices->isEnumActive(index) || !category->setValue(index))
        return true;
    m_manager->SetQcmaParameter(category.get());
    return false;
}
