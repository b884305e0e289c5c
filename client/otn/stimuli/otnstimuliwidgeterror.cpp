#include "otnstimuliwidgeterror.h"

#include "ui_otnstimuliwidgeterror.h"

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "client/otn/components/uihelpers/uihelper_settext_combobox.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnalarmerror.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

namespace {

constexpr int containerTitleText = 3069;
constexpr int noneCommonText = 2000;
constexpr int alarmTypeText = 5113;
constexpr int errorTypeText = 5114;
constexpr int typeLabelText = 5115;
constexpr int levelLabelText = 5116;
constexpr int minimumLevelTexts = 4;

enum Mode { BurstMode = 1, AlternateMode = 2, RateMode = 4 };

// Items that act on the whole signal: still insertable in through mode, so kept whatever is offered.
bool isLineWide(int item)
{
    return item == 2 || item == 20 || item == 22 || item == 64;
}

} // namespace

OtnStimuliWidgetError::OtnStimuliWidgetError(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, containerTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetError>())
{
    m_mapping.init();
    ui->setupUi(this);
    ui->lblAErrorUnit->hide();
    ui->lblNormalUnit->hide();
    installComboDelegates(this);
    fillTypes();
    UpdateText();
    initializeHelpers();
    connect(ui->cmbType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnStimuliWidgetError::typeChanged);
    connect(ui->cmbItem, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnStimuliWidgetError::itemChanged);
    connect(ui->cmbRate, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StimuliWidget::insertionChanged);
    synchroniseType();
    showInsertion();
}

OtnStimuliWidgetError::~OtnStimuliWidgetError() = default;

QStringList OtnStimuliWidgetError::levelTexts(const OtnMapping &mapping)
{
    QStringList texts = mapping.getOduNames();
    if (!texts.isEmpty()) {
        const QString line = texts.first();
        texts.first() = QString(line).replace(QLatin1String("ODU"), QLatin1String("OTU")) + '/' + line;
    }
    while (texts.size() < minimumLevelTexts)
        texts << QString();
    return texts;
}

QString OtnStimuliWidgetError::insertionText() const
{
    using namespace PID::Otn::STIMULI;
    if (m_item == OtnAlarmError::itemNone || !m_itemDefined)
        return QString();
    const WidgetText texts = m_manager ? m_manager->texts() : WidgetText();
    QString item = texts.getValueName(nsSID::otnSid(port(), ITEM), m_item, terminology());
    if (item.isEmpty())
        item = OtnAlarmError::itemName(m_item);
    QString how = texts.getValueName(nsSID::otnSid(port(), MODE), m_mode, terminology());
    bool counted = false;
    const int frames = ui->pbBurst->text().toInt(&counted);
    if (m_mode == BurstMode && counted)
        how = frames == 1 ? tr("%1 of 1 frame").arg(how) : tr("%1 of %2 frames").arg(how).arg(frames);
    else if (m_mode == RateMode && !ui->cmbRate->currentText().isEmpty())
        how = tr("%1 %2").arg(how, ui->cmbRate->currentText());
    const QString level = levelTexts(m_mapping).value(m_level);
    QString text = level.isEmpty() ? item : tr("%1 on %2").arg(item, level);
    if (!how.isEmpty())
        text = tr("%1, %2").arg(text, how);
    return text;
}

void OtnStimuliWidgetError::initializeHelpers()
{
    using namespace PID::Otn;
    const int port = this->port();
    for (int id : TX::MAPPING)
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, id), 1));
    auto level = std::make_unique<UiHelper_SetText_ComboBox>(m_manager, ui->cmbLevel, levelTexts(m_mapping),
                                                             nsSID::otnSid(port, STIMULI::LEVEL), 1);
    m_levelHelper = level.get();
    m_helpers->AddUiHelper(std::move(level));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbMode, ui->lblMode, nullptr,
                                                                    nullptr, nsSID::otnSid(port, STIMULI::MODE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbBurst, ui->lblBurst, ui->lblBurstUnit,
                                                             nsSID::otnSid(port, STIMULI::BURST), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbAError, ui->lblAError, nullptr,
                                                             nsSID::otnSid(port, STIMULI::ALTERNATE_ERROR), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbNormal, ui->lblNormal, nullptr,
                                                             nsSID::otnSid(port, STIMULI::ALTERNATE_NORMAL), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbRate, ui->lblRate, nullptr,
                                                                    nullptr, nsSID::otnSid(port, STIMULI::RATE), 1));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, STIMULI::LEVEL), 1));
    auto item = std::make_unique<UiHelper_Setter>(m_manager, this, nsSID::otnSid(port, STIMULI::ITEM), 1);
    m_itemSetter = item.get();
    m_helpers->AddUiHelper(std::move(item));
    for (int id : {int(STIMULI::MODE), TX::OTLC_SLICE_NUMBER, TX::BULK_PATTERN, TX::PORT_MODE})
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, id), 1));
}

void OtnStimuliWidgetError::fillTypes()
{
    const QSignalBlocker blocker(ui->cmbType);
    ui->cmbType->clear();
    const WidgetText *texts = m_manager ? &m_manager->texts() : nullptr;
    ui->cmbType->addItem(texts ? texts->getCommonText(noneCommonText) : tr("None"), int(TypeNone));
    ui->cmbType->addItem(texts ? texts->getUiText(alarmTypeText) : tr("Alarm"), int(TypeAlarm));
    ui->cmbType->addItem(texts ? texts->getUiText(errorTypeText) : tr("Error"), int(TypeError));
    ui->cmbType->setCurrentIndex(ui->cmbType->findData(m_type));
}

QList<int> OtnStimuliWidgetError::offeredItems(const QList<int> &candidates) const
{
    const int application = m_manager ? m_manager->GetApplicationType() : 0;
    QList<int> offered;
    for (int value : candidates) {
        if (OtnAlarmError::valid(application, m_level, m_portMode, m_mapping, m_otlSlice, m_patternType, value))
            offered << value;
    }
    return offered;
}

void OtnStimuliWidgetError::fillItems()
{
    ui->cmbItem->clear();
    if (m_type == TypeNone) {
        ui->cmbItem->setEnabled(false);
        return;
    }
    if (m_type != TypeAlarm && m_type != TypeError) {
        ZEL_FATAL(QStringLiteral("bad type. type = %1").arg(m_type));
        return;
    }
    const QList<int> candidates =
        m_type == TypeAlarm ? OtnAlarmError::getAlarms(m_level) : OtnAlarmError::getErrors(m_level);
    const int sid = nsSID::otnSid(port(), PID::Otn::STIMULI::ITEM);
    for (int value : offeredItems(candidates)) {
        const QString name = m_manager ? m_manager->texts().getValueName(sid, value) : QString();
        ui->cmbItem->addItem(name.isEmpty() ? OtnAlarmError::itemName(value) : name, value);
    }
    ui->cmbItem->setEnabled(m_itemDefined && accessState() == 0);
}

void OtnStimuliWidgetError::selectCurrentItem()
{
    ui->cmbItem->setCurrentIndex(ui->cmbItem->findData(m_item));
}

void OtnStimuliWidgetError::showInsertion()
{
    const bool inserting = m_type != TypeNone;
    ui->frameMode->setVisible(inserting);
    ui->lblLevel->setVisible(inserting);
    ui->cmbLevel->setVisible(inserting);
    ui->frameBurst->setVisible(inserting && m_mode == BurstMode);
    ui->frameAlt->setVisible(inserting && m_mode == AlternateMode);
    ui->frameRate->setVisible(inserting && m_mode == RateMode);
    ui->lblItem->setEnabled(inserting);
    ui->cmbItem->setEnabled(inserting && m_itemDefined && accessState() == 0);
}

void OtnStimuliWidgetError::synchroniseType()
{
    if (m_item != OtnAlarmError::itemNone) {
        if (OtnAlarmError::getAlarms(m_level).contains(m_item))
            m_type = TypeAlarm;
        else if (OtnAlarmError::getErrors(m_level).contains(m_item))
            m_type = TypeError;
        else
            m_type = TypeNone;
    }
    ui->cmbType->setCurrentIndex(ui->cmbType->findData(m_type));
    ui->cmbType->setEnabled(m_itemDefined && accessState() == 0);
}

bool OtnStimuliWidgetError::mustReplaceItem() const
{
    // Offered means allowed for the configuration now, not merely listed for the level.
    if (!offeredItems(OtnAlarmError::getAlarms(m_level)).contains(m_item)
        && !offeredItems(OtnAlarmError::getErrors(m_level)).contains(m_item) && !isLineWide(m_item))
        return true;
    if (m_item == 24)
        return true;
    if (m_item == 21 || m_item == 66 || m_item == 67 || m_item == 72)
        return m_level != m_mapping.getOduCount() - 1;
    return false;
}

void OtnStimuliWidgetError::writeItem(int item)
{
    std::unique_ptr<QcmaParameter> parameter =
        m_manager ? m_manager->GetQcmaParameter(nsSID::otnSid(port(), PID::Otn::STIMULI::ITEM)) : nullptr;
    if (!parameter || !m_itemSetter) {
        ZEL_FATAL(QStringLiteral("no item parameter to write %1").arg(item));
        return;
    }
    std::unique_ptr<QcmaParameter> copy = parameter->clone();
    if (!copy->setValue(item)) {
        ZEL_FATAL(QStringLiteral("item %1 refused").arg(item));
        return;
    }
    m_itemSetter->setParameter(copy.get());
}

void OtnStimuliWidgetError::typeChanged(int index)
{
    m_type = ui->cmbType->itemData(index).toInt();
    if (m_type == TypeNone && !m_updating)
        writeItem(OtnAlarmError::itemNone);
    showInsertion();
    fillItems();
}

void OtnStimuliWidgetError::itemChanged(int index)
{
    if (index == -1 || m_updating)
        return;
    m_item = ui->cmbItem->itemData(index).toInt();
    writeItem(m_item);
}

void OtnStimuliWidgetError::qcmaParameterChanged(const QcmaParameter &parameter)
{
    using namespace PID::Otn;
    const int id = nsSID::idOf(parameter.getSID());
    if (id == STIMULI::ITEM) {
        m_item = parameter.getInt();
        m_itemDefined = parameter.isDefined();
        if (m_item == 21)
            ui->cmbLevel->setCurrentIndex(m_mapping.getOduNames().size() - 1);
        m_updating = true;
        synchroniseType();
        fillItems();
        selectCurrentItem();
        m_updating = false;
        showInsertion();
        emit insertionChanged();
        return;
    }
    if (parameter.getType() != QcmaParameter::TypeEnum)
        return;

    bool refresh = false;
    bool rebuildLevels = false;
    const int field = PID::indexIn(TX::MAPPING, OtnMapping::fieldCount, id);
    if (id == STIMULI::MODE) {
        m_mode = parameter.getEnum();
    } else if (id == STIMULI::LEVEL) {
        m_level = parameter.getEnum();
        refresh = true;
    } else if (id == TX::OTLC_SLICE_NUMBER) {
        m_otlSlice = parameter.getEnum();
        refresh = true;
    } else if (id == TX::BULK_PATTERN) {
        m_patternType = parameter.getEnum();
        refresh = true;
    } else if (id == TX::PORT_MODE) {
        m_portMode = parameter.getEnum();
        refresh = true;
    } else if (field >= 0) {
        // The multiplex stages count as none while undefined.
        m_mapping.setValue(field, field >= 2 && !parameter.isDefined() ? 0 : parameter.getEnum());
        rebuildLevels = true;
    } else {
        return;
    }

    fillTypes();
    if (refresh) {
        // Left false when the item must give way, so the list's first entry is written as the new item.
        m_updating = !mustReplaceItem();
        fillItems();
        selectCurrentItem();
        m_updating = false;
    }
    if (rebuildLevels && m_levelHelper)
        m_levelHelper->setTextList(levelTexts(m_mapping));
    showInsertion();
    emit insertionChanged();
}

void OtnStimuliWidgetError::UpdateText()
{
    if (m_manager) {
        const WidgetText &texts = m_manager->texts();
        ui->lblItem->setText(
            texts.getSidName(BaseText::buildKey(PID::Otn::STIMULI::ITEM, nsSID::otn, nsSID::noPort)));
        ui->lblType->setText(texts.getUiText(typeLabelText) + ':');
        ui->lblLevel->setText(texts.getUiText(levelLabelText) + ':');
    }
    m_updating = true;
    fillItems();
    selectCurrentItem();
    m_updating = false;
    fillTypes();
    OtnStimuliWidget::UpdateText();
}

void OtnStimuliWidgetError::SetGUIAccessState(int state)
{
    OtnStimuliWidget::SetGUIAccessState(state);
    ui->cmbType->setEnabled(state == 0 && m_itemDefined);
    ui->cmbItem->setEnabled(state == 0 && m_itemDefined && ui->cmbItem->count() > 0);
}
