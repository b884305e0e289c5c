#include "customscreenpage.h"

#include "ui_customscreenpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

#include <limits>

#include "apps/shared/sid.h"
#include "clientlogging.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/contract/sidproperty.h"
#include "host/contract/uihelperwrapper.h"
#include "host/contract/widgetproperty.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "uihelper_screenvalue.h"

struct CustomScreenPage::Item {
    int sid = 0;
    QWidget *field = nullptr;   // the row's widgets, in the form's field column
    std::unique_ptr<UiHelperList> helpers = std::make_unique<UiHelperList>();
};

namespace {
constexpr int groupRole = Qt::UserRole;
constexpr int idRole = Qt::UserRole + 1;

// A choice between Off and On reads best as a check box.
bool isSwitch(const ParameterDefinition &definition)
{
    return definition.enumerators.size() == 2 && definition.enumerators.at(0).value == 0
        && definition.enumerators.at(1).value == 1
        && definition.enumerators.at(0).names[0].compare(QLatin1String("Off"), Qt::CaseInsensitive) == 0
        && definition.enumerators.at(1).names[0].compare(QLatin1String("On"), Qt::CaseInsensitive) == 0;
}

int clampedInt(double value)
{
    return int(qBound(double(std::numeric_limits<int>::min()), value, double(std::numeric_limits<int>::max())));
}
} // namespace

CustomScreenPage::CustomScreenPage(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::CustomScreenPage>())
{
    ui->setupUi(this);
    connect(ui->leSearch, &QLineEdit::textChanged, this, &CustomScreenPage::filterCatalogue);
    connect(ui->lwCatalogue, &QListWidget::itemDoubleClicked, this, &CustomScreenPage::addSelected);
    connect(ui->pbAdd, &QPushButton::clicked, this, &CustomScreenPage::addSelected);
    connect(ui->pbOpen, &QPushButton::clicked, this, &CustomScreenPage::clickedOpen);
    connect(ui->pbSave, &QPushButton::clicked, this, &CustomScreenPage::clickedSave);
    connect(ui->pbRemove, &QPushButton::clicked, this, &CustomScreenPage::removeLast);
    connect(ui->pbClear, &QPushButton::clicked, this, &CustomScreenPage::clear);
}

CustomScreenPage::~CustomScreenPage()
{
    // Bindings go before the widgets they drive.
    m_items.clear();
}

void CustomScreenPage::setup(zelServerManager *manager, UiHelperWrapper *wrapper, int port)
{
    clear();
    if (m_manager)
        disconnect(m_manager, nullptr, this, nullptr);
    m_manager = manager;
    m_wrapper = wrapper;
    m_port = port;
    fillCatalogue();
    if (!m_manager)
        return;
    // The screen may hold several ports' parameters: each follows its own port's terminology.
    connect(m_manager, &zelServerManager::terminologyChanged, this, [this](int changedPort, int terminology) {
        for (const auto &item : m_items) {
            if (nsSID::portOf(item->sid) == changedPort)
                item->helpers->ChangeTerminology(terminology);
        }
    });
    connect(m_manager, &zelServerManager::guiAccessStateChanged, this, [this](int state) {
        for (const auto &item : m_items)
            item->helpers->SetGUIAccessState(state);
    });
}

void CustomScreenPage::setPort(int port)
{
    m_port = port;
}

void CustomScreenPage::fillCatalogue()
{
    ui->lwCatalogue->clear();
    if (!m_manager)
        return;
    for (const ParameterDefinition *definition : m_manager->catalogue().all()) {
        // Tx and Rx share many names; the id tells them apart.
        auto *item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(definition->name).arg(definition->id),
                                         ui->lwCatalogue);
        item->setData(groupRole, definition->group);
        item->setData(idRole, definition->id);
    }
    filterCatalogue(ui->leSearch->text());
}

void CustomScreenPage::filterCatalogue(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < ui->lwCatalogue->count(); ++row) {
        QListWidgetItem *item = ui->lwCatalogue->item(row);
        item->setHidden(!item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

int CustomScreenPage::visibleCatalogueRows() const
{
    int visible = 0;
    for (int row = 0; row < ui->lwCatalogue->count(); ++row)
        visible += ui->lwCatalogue->item(row)->isHidden() ? 0 : 1;
    return visible;
}

void CustomScreenPage::addSelected()
{
    const QListWidgetItem *item = ui->lwCatalogue->currentItem();
    if (!item || item->isHidden() || !m_manager)
        return;
    const ParameterDefinition *definition =
        m_manager->catalogue().find(item->data(groupRole).toInt(), item->data(idRole).toInt());
    if (!definition)
        return;
    addParameter(nsSID::build(definition->global ? nsSID::noPort : m_port, definition->group, definition->id));
}

bool CustomScreenPage::addParameter(int sid)
{
    const ParameterDefinition *definition = m_manager ? m_manager->catalogue().findBySid(sid) : nullptr;
    if (!definition) {
        showMessage(QStringLiteral("Parameter %1 is unknown to the server; not added.").arg(sid), true);
        return false;
    }
    auto item = std::make_unique<Item>();
    item->sid = sid;
    QList<QWidget *> widgets;
    if (definition->customHelperKind != 0 && m_wrapper) {
        m_wrapper->setParent(ui->wScreen);
        SidProperty property(definition->customHelperKind);
        if (UiHelperList *list = m_wrapper->createUiHelper(QSharedPointer<WidgetProperty>::create(sid), &property,
                                                           widgets)) {
            item->helpers->AddUiHelper(std::unique_ptr<UiHelperList>(list));
        } else {
            qCWarning(lcClient).noquote() << QStringLiteral("Customised screen: the plug-in makes no widget of kind "
                                                            "%1 for parameter %2; shown as an ordinary one")
                                                 .arg(definition->customHelperKind)
                                                 .arg(sid);
        }
    }
    if (widgets.isEmpty()) {
        widgets = ordinaryWidgets(*definition, sid, *item->helpers);
        item->helpers->ConnectManual();
        item->helpers->ChangeTerminology(m_manager->GetTerminology(nsSID::portOf(sid)));
    }
    item->helpers->SetGUIAccessState(m_manager->getGUIAccessState());

    item->field = new QWidget(ui->wScreen);
    auto *row = new QHBoxLayout(item->field);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : qAsConst(widgets))
        row->addWidget(widget);
    row->addStretch();
    QString label = definition->name;
    if (!definition->unit.isEmpty())
        label += QStringLiteral(" [%1]").arg(definition->unit);
    if (!definition->global)
        label = QStringLiteral("P%1 %2").arg(nsSID::portOf(sid)).arg(label);
    ui->fLayoutScreen->addRow(label, item->field);
    m_items.push_back(std::move(item));
    return true;
}

QList<QWidget *> CustomScreenPage::ordinaryWidgets(const ParameterDefinition &definition, int sid,
                                                   UiHelperList &helpers)
{
    QWidget *widget = nullptr;
    switch (definition.kind) {
    case QcmaParameter::TypeEnum:
        if (isSwitch(definition)) {
            widget = new QCheckBox(ui->wScreen);
        } else {
            auto *combo = new QComboBox(ui->wScreen);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            helpers.AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, combo, nullptr, nullptr, nullptr,
                                                                         sid, UiHelper::ConnectManually));
            return {combo};
        }
        break;
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeUInt: {
        auto *spin = new QSpinBox(ui->wScreen);
        spin->setRange(clampedInt(definition.minimum), clampedInt(definition.maximum));
        widget = spin;
        break;
    }
    case QcmaParameter::TypeDouble: {
        auto *spin = new QDoubleSpinBox(ui->wScreen);
        spin->setDecimals(definition.decimals);
        spin->setRange(definition.minimum, definition.maximum);
        widget = spin;
        break;
    }
    default: {
        auto *line = new QLineEdit(ui->wScreen);
        line->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 3 * qBound(4, definition.length, 16));
        widget = line;
        break;
    }
    }
    helpers.AddUiHelper(std::make_unique<UiHelper_ScreenValue>(m_manager, widget, sid, UiHelper::ConnectManually));
    return {widget};
}

void CustomScreenPage::removeLast()
{
    if (m_items.empty())
        return;
    m_items.back()->helpers.reset();
    ui->fLayoutScreen->removeRow(int(m_items.size()) - 1);
    m_items.pop_back();
}

void CustomScreenPage::clear()
{
    while (!m_items.empty())
        removeLast();
}

QList<QWidget *> CustomScreenPage::itemWidgets(int index) const
{
    if (index < 0 || index >= itemCount())
        return {};
    QList<QWidget *> widgets;
    for (QObject *child : m_items.at(size_t(index))->field->children()) {
        if (child->isWidgetType())
            widgets.append(static_cast<QWidget *>(child));
    }
    return widgets;
}

CustomScreen CustomScreenPage::screen() const
{
    CustomScreen screen;
    screen.name = ui->leName->text();
    for (const auto &item : m_items)
        screen.sids.append(item->sid);
    return screen;
}

bool CustomScreenPage::setScreen(const CustomScreen &screen, QString *error)
{
    for (int sid : screen.sids) {
        if (!m_manager || !m_manager->catalogue().findBySid(sid)) {
            if (error)
                *error = QStringLiteral("it names parameter %1, which this server does not know").arg(sid);
            return false;
        }
    }
    clear();
    ui->leName->setText(screen.name);
    for (int sid : screen.sids)
        addParameter(sid);
    return true;
}

bool CustomScreenPage::openScreen(const QString &path)
{
    CustomScreen screen;
    QString error;
    if (!CustomScreen::load(path, &screen, &error))
        return showMessage(error, true), false;
    if (!setScreen(screen, &error))
        return showMessage(QStringLiteral("Cannot open %1: %2.").arg(path, error), true), false;
    showMessage(QStringLiteral("Opened %1.").arg(path), false);
    return true;
}

bool CustomScreenPage::saveScreen(const QString &path)
{
    QString error;
    if (!screen().save(path, &error))
        return showMessage(error, true), false;
    showMessage(QStringLiteral("Saved %1.").arg(path), false);
    return true;
}

void CustomScreenPage::clickedOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Screen"), QString(), tr("Screens (*.json)"));
    if (!path.isEmpty())
        openScreen(path);
}

void CustomScreenPage::clickedSave()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Screen"), QString(), tr("Screens (*.json)"));
    if (!path.isEmpty())
        saveScreen(path);
}

void CustomScreenPage::showMessage(const QString &text, bool problem)
{
    ui->lblMessage->setText(text);
    if (problem)
        qCWarning(lcClient).noquote() << text;
}

QString CustomScreenPage::message() const
{
    return ui->lblMessage->text();
}

CustomScreen CustomScreenPage::sampleScreen(int port)
{
    CustomScreen screen;
    screen.name = QStringLiteral("OTN sample");
    for (int id : {PID::Otn::TX::CLOCK_SOURCE, PID::Otn::TX::LINE_RATE, PID::Otn::TX::OVERHEAD_SETUP[1],
                   PID::Otn::TX::ALLOC[1], PID::Otn::MEASUREMENT::MSIM_DETECTION[0]})
        screen.sids.append(nsSID::otnSid(port, id));
    return screen;
}
