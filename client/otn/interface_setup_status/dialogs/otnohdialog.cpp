#include "otnohdialog.h"
#include "ui_otnohdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "apps/shared/sid.h"
#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnpayloadtype.h"
#include "client/otn/components/otnttilayout.h"
#include "client/otn/components/uihelpers/uihelper_binarybuttons.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/zeleditbutton.h"
#include "otnohapsdialog.h"
#include "otnohftfldialog.h"
#include "otnohpmdialog.h"
#include "otnohsmdialog.h"
#include "otnohtcmidialog.h"
#include "otnohwrites.h"

namespace {

using namespace PID::Otn::TX;
using Layout = OtnOhTableLayout;

constexpr int columnWidth = 39;
constexpr int rowHeight = 28;
// The labels are captions in a smaller font than the values, so that "FTFL" or "P&T" fits a column.
constexpr int labelFontPixels = 11;
constexpr int smallFontPixels = 9;
const QString notEditable = QStringLiteral("--");

QColor areaColour(Layout::Area area)
{
    switch (area) {
    case Layout::Area::Otu:
        return QColor(85, 170, 255);
    case Layout::Area::FixedStuff:
        return QColor(192, 192, 192);
    case Layout::Area::Opu:
        return QColor(255, 170, 0);
    case Layout::Area::Odu:
        break;
    }
    return QColor(170, 255, 127);
}

quint8 firstByteOf(const QcmaParameter &parameter)
{
    const QByteArray bytes = parameter.getByteArray();
    return bytes.isEmpty() ? 0 : quint8(bytes.at(0));
}

// The payload type an item of the PSI[0] combo names: "0x05 GFP mapping" names 0x05.
int payloadTypeOf(const QString &itemText)
{
    bool ok = false;
    const int code = itemText.left(4).mid(2).toInt(&ok, 16);
    return ok ? code : -1;
}

QByteArray zeros(int count)
{
    return QByteArray(count, '\0');
}

} // namespace

OtnOhDialog::OtnOhDialog(const ClientInfo &context, int level, const QString &ohName, QWidget *parent,
                         const OtnMapping &mapping, int otlcSliceSelector)
    : UiHelperDialog(context.serverManager, parent, 0),
      ui(std::make_unique<Ui::OtnOhDialog>()),
      m_layout(level, mapping, otlcSliceSelector),
      m_mapping(mapping),
      m_port(context.port),
      m_otlcSliceSelector(otlcSliceSelector)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbOh, DialogSetup::ComboDelegates);
    SetButtons(ui->bbOh);
    setOhName(ohName);
    for (QByteArray &half : m_ftfl)
        half = zeros(OtnFtfl::halfLength);
    initFieldIds();
    buildTable();
    fillPsiCombo();
    bindTable();
    readTtiEncoding();
    if (QPushButton *restore = ui->bbOh->button(QDialogButtonBox::RestoreDefaults))
        connect(restore, &QPushButton::clicked, this, &OtnOhDialog::restoreDefaultsClicked);
    connect(ui->cmbPsi0, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnOhDialog::currentIndexChangedPsi0);
    updateEditable();
    setHelpPage(QStringLiteral("otn_overhead.html"));
}

OtnOhDialog::~OtnOhDialog() = default;

int OtnOhDialog::sidOf(int id) const
{
    return nsSID::otnSid(m_port, id);
}

template <class Binding, class... Arguments>
Binding *OtnOhDialog::addBinding(Arguments &&...arguments)
{
    return uiHelperList()->AddUiHelper(std::make_unique<Binding>(std::forward<Arguments>(arguments)...));
}

void OtnOhDialog::setOhName(const QString &name)
{
    m_ohName = name;
    QString title;
    if (name.isEmpty()) {
        title = QStringLiteral("Level%1 ").arg(level() + 1);
    } else {
        title = (level() == 0 ? QStringLiteral("OTU%1/ODU%1/OPU%1 ") : QStringLiteral("ODU%1/OPU%1 ")).arg(name);
        if (m_mapping.hasExtendedOpu(level()))
            title.replace(QStringLiteral("OPU"), QStringLiteral("Ext. OPU"));
    }
    setWindowTitle(title + tr("Overhead"));
}

void OtnOhDialog::setAccessState(int state)
{
    m_accessState = state;
    uiHelperList()->SetGUIAccessState(state);
    updateEditable();
}

void OtnOhDialog::updateEditable()
{
    const bool fullAccess = m_accessState == 0;
    for (const QPointer<QPushButton> &button : qAsConst(m_editorButtons)) {
        if (button)
            button->setEnabled(fullAccess);
    }
    ui->cmbPsi0->setEnabled(fullAccess);
    if (QPushButton *restore = ui->bbOh->button(QDialogButtonBox::RestoreDefaults))
        restore->setEnabled(fullAccess);
}


void OtnOhDialog::buildTable()
{
    QTableWidget *table = ui->tblOverhead;
    table->setRowCount(Layout::rowCount);
    table->setColumnCount(Layout::columnCount);
    QStringList columnNumbers;
    for (int column = 1; column <= Layout::columnCount; ++column)
        columnNumbers.append(QString::number(column));
    table->setHorizontalHeaderLabels(columnNumbers);
    table->verticalHeader()->hide();
    for (QHeaderView *header : {table->horizontalHeader(), table->verticalHeader()})
        header->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setDefaultSectionSize(columnWidth);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->horizontalHeader()->setHighlightSections(false);

    for (int row = 0; row < Layout::rowCount; row += 2) {
        for (int column = 0; column < Layout::columnCount; ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
            table->setItem(row, column, item);
        }
    }
    for (const Layout::Label &label : m_layout.labels()) {
        table->setItem(label.row, label.column, labelItem(label));
        if (label.span > 1)
            table->setSpan(label.row, label.column, 1, label.span);
    }
    for (int row = 1; row < Layout::rowCount; row += 2) {
        for (int column = 0; column < Layout::columnCount; ++column)
            addValueButton(row, column, m_layout.value(row, column));
    }
    ui->lblPsi0->setVisible(m_layout.offersPsi());
    ui->cmbPsi0->setVisible(m_layout.offersPsi());
}

QTableWidgetItem *OtnOhDialog::labelItem(const OtnOhTableLayout::Label &label) const
{
    auto *item = new QTableWidgetItem(label.text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(areaColour(label.area));
    item->setForeground(Qt::black);
    QFont font = ui->tblOverhead->font();
    font.setPixelSize(label.smallFont ? smallFontPixels : labelFontPixels);
    item->setFont(font);
    return item;
}

void OtnOhDialog::addValueButton(int row, int column, const OtnOhTableLayout::Value &value)
{
    auto *button = new ZelEditButton(ui->tblOverhead);
    button->setObjectName(QStringLiteral("pbOh%1_%2").arg(row).arg(column));
    // The cell sets the size; an edit button's usual minimum width is wider than a column.
    button->setMinimumWidth(0);
    ui->tblOverhead->setCellWidget(row, column, button);
    switch (value.cell) {
    case Layout::Cell::Disabled:
        button->setText(notEditable);
        button->setEnabled(false);
        break;
    case Layout::Cell::Byte:
        // The byte's binding names and enables it (bindTable).
        break;
    case Layout::Cell::Tti:
        // Below the line level a TCM has only a TTI byte, edited in its dialog: the cell has no text.
        if (m_fields[value.field].ids.sapi)
            button->setText(QStringLiteral("TTI"));
        m_fields[value.field].ttiButton = button;
        connectFieldButton(button, value);
        break;
    case Layout::Cell::ThirdByte:
        m_fields[value.field].thirdByteButton = button;
        connectFieldButton(button, value);
        break;
    case Layout::Cell::Ftfl:
        button->setText(QStringLiteral("FTFL"));
        connect(button, &QPushButton::clicked, this, &OtnOhDialog::clickedFtfl);
        m_editorButtons.append(button);
        break;
    case Layout::Cell::ApsByte1:
        m_apsButton = button;
        connect(button, &QPushButton::clicked, this, &OtnOhDialog::clickedAps);
        m_editorButtons.append(button);
        break;
    }
}

void OtnOhDialog::connectFieldButton(QPushButton *button, const OtnOhTableLayout::Value &value)
{
    using Slot = void (OtnOhDialog::*)();
    static constexpr Slot fieldSlots[Layout::fieldCount] = {
        &OtnOhDialog::clickedSmTti,   &OtnOhDialog::clickedPmTti,   &OtnOhDialog::clickedTcm1Tti,
        &OtnOhDialog::clickedTcm2Tti, &OtnOhDialog::clickedTcm3Tti, &OtnOhDialog::clickedTcm4Tti,
        &OtnOhDialog::clickedTcm5Tti, &OtnOhDialog::clickedTcm6Tti,
    };
    if (value.field < 0 || value.field >= Layout::fieldCount)
        return;
    connect(button, &QPushButton::clicked, this, fieldSlots[value.field]);
    m_editorButtons.append(button);
}


void OtnOhDialog::initFieldIds()
{
    for (int field = 0; field < Layout::fieldCount; ++field) {
        m_fields[field].ids = m_layout.fieldIds(field);
        m_fields[field].tti = zeros(OtnTti::messageLength);
    }
}

void OtnOhDialog::bindTable()
{
    // Plain bytes: one binding per parameter, its buttons in byte order.
    QHash<int, UiHelper_BinaryButtons *> byteBindings;
    for (int row = 1; row < Layout::rowCount; row += 2) {
        for (int column = 0; column < Layout::columnCount; ++column) {
            const Layout::Value value = m_layout.value(row, column);
            if (value.cell != Layout::Cell::Byte)
                continue;
            UiHelper_BinaryButtons *&binding = byteBindings[value.parameterId];
            if (!binding) {
                binding = addBinding<UiHelper_BinaryButtons>(serverManager(), sidOf(value.parameterId),
                                                             UiHelper::ConnectImmediately);
                m_bindings.insert(value.parameterId, binding);
            }
            binding->addButton(qobject_cast<QPushButton *>(ui->tblOverhead->cellWidget(row, column)));
        }
    }

    for (int field = 0; field < Layout::fieldCount; ++field) {
        if (m_layout.hasField(field))
            followField(field);
    }
    if (m_layout.hasFtfl()) {
        followFtfl(0, ODU_FTFL_FFI[level()], ODU_FTFL_FOI[level()], ODU_FTFL_FOS[level()]);
        followFtfl(1, ODU_FTFL_BFI[level()], ODU_FTFL_BOI[level()], ODU_FTFL_BOS[level()]);
    }
    follow(ODU_APS_FB[level()], [this](const QcmaParameter &p) {
        m_apsByte1 = firstByteOf(p);
        if (m_apsButton)
            m_apsButton->setText(hexByte(m_apsByte1));
    });
    if (m_layout.offersPsi())
        follow(OPU_PAYLOAD_TYPE[level()], [this](const QcmaParameter &p) { parameterChangedPsi0(p); });
}

void OtnOhDialog::follow(int id, std::function<void(const QcmaParameter &)> onChange)
{
    if (!id)
        return;
    m_onChange.insert(sidOf(id), std::move(onChange));
    auto *setter = addBinding<UiHelper_Setter>(serverManager(), this, sidOf(id), UiHelper::ConnectImmediately);
    // A setter is the binding a write copies; the byte buttons of the same parameter hold the same value.
    m_bindings.insert(id, setter);
}

void OtnOhDialog::followField(int field)
{
    TtiField &f = m_fields[field];
    const auto part = [this, field](OtnOhField where) {
        return [this, field, where](const QcmaParameter &p) {
            setFieldBytes(m_fields[field].tti, where, p.getByteArray());
        };
    };
    follow(f.ids.sapi, part(OtnTti::sapi));
    follow(f.ids.dapi, part(OtnTti::dapi));
    follow(f.ids.operatorSpecific, part(OtnTti::operatorSpecific));
    // Kept for the TCMi dialog's 1st byte; the TTI cell itself shows nothing below the line level.
    follow(f.ids.ttiByte, [this, field](const QcmaParameter &p) { m_fields[field].ttiByte = firstByteOf(p); });
    follow(f.ids.thirdByte, [this, field](const QcmaParameter &p) {
        TtiField &kept = m_fields[field];
        kept.thirdByte = quint8(p.getUInt());
        if (kept.thirdByteButton)
            kept.thirdByteButton->setText(hexByte(kept.thirdByte));
    });
}

void OtnOhDialog::followFtfl(int direction, int fifId, int oifId, int operatorSpecificId)
{
    const auto part = [this, direction](OtnOhField where) {
        return [this, direction, where](const QcmaParameter &p) {
            setFieldBytes(m_ftfl[direction], where, p.getByteArray());
        };
    };
    follow(fifId, part(OtnFtfl::fif));
    follow(oifId, part(OtnFtfl::oif));
    follow(operatorSpecificId, part(OtnFtfl::operatorSpecific));
}

void OtnOhDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const auto onChange = m_onChange.constFind(parameter.getSID());
    if (onChange != m_onChange.constEnd())
        onChange.value()(parameter);
}

void OtnOhDialog::readTtiEncoding()
{
    // Read once: an editor opened from this table keeps the layout the table was opened with.
    const UiHelper_Setter encoding(serverManager(), nullptr, sidOf(TTI_ENCODING), UiHelper::ConnectImmediately);
    const QcmaParameter *value = encoding.QcmaParameter_Get();
    m_structuredTti = !value || value->getEnum() == 0;
}


void OtnOhDialog::fillPsiCombo()
{
    // The longest payload type name fits the dialog's width in the labels' font.
    QFont font = ui->cmbPsi0->font();
    font.setPixelSize(labelFontPixels);
    ui->cmbPsi0->setFont(font);
    m_fillingPsi = true;
    ui->cmbPsi0->clear();
    ui->cmbPsi0->addItems(payloadTypeTexts());
    ui->cmbPsi0->setCurrentIndex(-1);
    m_fillingPsi = false;
}

void OtnOhDialog::parameterChangedPsi0(const QcmaParameter &parameter)
{
    QComboBox *combo = ui->cmbPsi0;
    const QByteArray bytes = parameter.getByteArray();
    m_fillingPsi = true;
    if (bytes.isEmpty()) {
        combo->setCurrentIndex(-1);
        m_fillingPsi = false;
        return;
    }
    const quint8 code = quint8(bytes.at(0));
    const QString text = payloadTypeText(code);
    if (!isKnownPayloadType(code) && combo->findText(text) < 0) {
        // In code order among the standard ones.
        int at = 0;
        while (at < combo->count() && payloadTypeOf(combo->itemText(at)) < code)
            ++at;
        combo->insertItem(at, text);
    }
    combo->setCurrentIndex(combo->findText(text));
    for (int i = combo->count() - 1; i >= 0; --i) {
        const int itemCode = payloadTypeOf(combo->itemText(i));
        if (itemCode != code && !isKnownPayloadType(quint8(itemCode)))
            combo->removeItem(i);
    }
    m_fillingPsi = false;
}

void OtnOhDialog::currentIndexChangedPsi0(int index)
{
    if (m_fillingPsi || index < 0)
        return;
    const int code = payloadTypeOf(ui->cmbPsi0->itemText(index));
    if (code >= 0)
        writeBatch({{OPU_PAYLOAD_TYPE[level()], QByteArray(1, char(code))}});
}


std::unique_ptr<OtnOhSmDialog> OtnOhDialog::createSmDialog(QWidget *parent) const
{
    const TtiField &sm = m_fields[Layout::Sm];
    auto dialog = std::make_unique<OtnOhSmDialog>(parent, m_structuredTti, m_mapping, m_otlcSliceSelector);
    dialog->setServerManager(serverManager());
    dialog->setOhName(m_ohName);
    dialog->setTti(sm.tti);
    dialog->setThirdByte(sm.thirdByte);
    return dialog;
}

std::unique_ptr<OtnOhPmDialog> OtnOhDialog::createPmDialog(QWidget *parent) const
{
    const TtiField &pm = m_fields[Layout::Pm];
    auto dialog = std::make_unique<OtnOhPmDialog>(parent, m_structuredTti, m_mapping, m_otlcSliceSelector);
    dialog->setServerManager(serverManager());
    dialog->setOhName(m_ohName);
    dialog->setTti(pm.tti);
    dialog->setThirdByte(pm.thirdByte);
    return dialog;
}

std::unique_ptr<OtnOhTcmiDialog> OtnOhDialog::createTcmiDialog(int tcm, QWidget *parent) const
{
    const int index = qBound(1, tcm, Layout::tcmCount) - 1;
    const TtiField &field = m_fields[Layout::Tcm1 + index];
    auto dialog = std::make_unique<OtnOhTcmiDialog>(parent, m_structuredTti, m_mapping);
    dialog->setServerManager(serverManager());
    dialog->setOhName(m_ohName);
    dialog->setTcmNumber(index + 1);
    dialog->setTtiShown(level() == 0);
    if (level() == 0)
        dialog->setTti(field.tti);
    else
        dialog->setFirstByte(field.ttiByte);
    dialog->setThirdByte(field.thirdByte);
    return dialog;
}

std::unique_ptr<OtnOhFtflDialog> OtnOhDialog::createFtflDialog(QWidget *parent) const
{
    auto dialog = std::make_unique<OtnOhFtflDialog>(parent);
    dialog->setServerManager(serverManager());
    dialog->setOhName(m_ohName);
    dialog->setFtflHalf(0, m_ftfl[0]);
    dialog->setFtflHalf(1, m_ftfl[1]);
    return dialog;
}

std::unique_ptr<OtnOhApsDialog> OtnOhDialog::createApsDialog(QWidget *parent) const
{
    auto dialog = std::make_unique<OtnOhApsDialog>(parent);
    dialog->setServerManager(serverManager());
    dialog->setOhName(m_ohName);
    dialog->setApsByte(m_apsByte1);
    return dialog;
}

void OtnOhDialog::clickedSmTti()
{
    const auto dialog = createSmDialog(this);
    if (!serverManager() || serverManager()->executeQzelDialog(dialog.get()) != 1)
        return;
    TtiField &kept = m_fields[Layout::Sm];
    kept.tti = dialog->tti();
    kept.thirdByte = dialog->thirdByte();
    writeField(kept, m_layout.isSecondOtlcSlice());
}

void OtnOhDialog::clickedPmTti()
{
    const auto dialog = createPmDialog(this);
    if (!serverManager() || serverManager()->executeQzelDialog(dialog.get()) != 1)
        return;
    TtiField &kept = m_fields[Layout::Pm];
    kept.tti = dialog->tti();
    kept.thirdByte = dialog->thirdByte();
    writeField(kept, m_layout.isSecondOtlcSlice());
}

void OtnOhDialog::clickedTcmiTti(int tcmIndex)
{
    if (tcmIndex < 0 || tcmIndex >= Layout::tcmCount)
        return;
    const auto dialog = createTcmiDialog(tcmIndex + 1, this);
    if (!serverManager() || serverManager()->executeQzelDialog(dialog.get()) != 1)
        return;
    TtiField &kept = m_fields[Layout::Tcm1 + tcmIndex];
    if (level() == 0)
        kept.tti = dialog->tti();
    else
        kept.ttiByte = dialog->firstByte();
    kept.thirdByte = dialog->thirdByte();
    writeField(kept, false);
}

void OtnOhDialog::clickedTcm1Tti()
{
    clickedTcmiTti(0);
}

void OtnOhDialog::clickedTcm2Tti()
{
    clickedTcmiTti(1);
}

void OtnOhDialog::clickedTcm3Tti()
{
    clickedTcmiTti(2);
}

void OtnOhDialog::clickedTcm4Tti()
{
    clickedTcmiTti(3);
}

void OtnOhDialog::clickedTcm5Tti()
{
    clickedTcmiTti(4);
}

void OtnOhDialog::clickedTcm6Tti()
{
    clickedTcmiTti(5);
}

void OtnOhDialog::clickedFtfl()
{
    const auto dialog = createFtflDialog(this);
    if (!serverManager() || serverManager()->executeQzelDialog(dialog.get()) != 1)
        return;
    m_ftfl[0] = dialog->ftflHalf(0);
    m_ftfl[1] = dialog->ftflHalf(1);
    writeBatch(OtnOhWrites::ftfl(level(), m_ftfl[0], m_ftfl[1]));
}

void OtnOhDialog::clickedAps()
{
    const auto dialog = createApsDialog(this);
    if (!serverManager() || serverManager()->executeQzelDialog(dialog.get()) != 1)
        return;
    m_apsByte1 = dialog->apsByte();
    writeBatch({{ODU_APS_FB[level()], QByteArray(1, char(m_apsByte1))}});
}


void OtnOhDialog::writeField(const TtiField &field, bool leaveTti)
{
    writeBatch(OtnOhWrites::ttiField(field.ids, field.tti, field.ttiByte, field.thirdByte, leaveTti));
}

void OtnOhDialog::writeBatch(const OtnOhWrites::Batch &batch)
{
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    for (const OtnOhWrites::Write &write : batch) {
        const UiHelper *binding = m_bindings.value(write.id);
        const QcmaParameter *current = binding ? binding->QcmaParameter_Get() : nullptr;
        if (!current || !current->isDefined())
            continue;
        std::unique_ptr<QcmaParameter> copy(QcmaParameterFactory::createCopy(current));
        if (copy && copy->setValue(write.value))
            copies.push_back(std::move(copy));
    }
    UiHelperList *list = uiHelperList();
    if (list && list->parameterMap()) {
        for (const std::unique_ptr<QcmaParameter> &copy : copies)
            list->setPendingValue(*copy);
        return;
    }
    QList<const QcmaParameter *> request;
    for (const std::unique_ptr<QcmaParameter> &copy : copies)
        request.append(copy.get());
    if (serverManager() && !request.isEmpty())
        serverManager()->SetQcmaParameterList(request);
}

void OtnOhDialog::restoreDefaultsClicked()
{
    // The kept values and the cells follow from the pending values the batch leaves.
    writeBatch(OtnOhWrites::restoreDefaults(m_layout));
}
