#include "multilanemappingdialog.h"
#include "ui_multilanemappingdialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "multilanemappingdialogmodel.h"

namespace {

// Picks a logical lane from a list instead of typing it; the choice is committed at once.
class LaneComboDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *combo = new QComboBox(parent);
        combo->setItemDelegate(new QStyledItemDelegate(combo));
        const int lanes = index.model()->rowCount();
        for (int lane = 0; lane < lanes; ++lane)
            combo->addItem(QString::number(lane), lane);
        auto *self = const_cast<LaneComboDelegate *>(this);
        QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), self, [self, combo] {
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            model->setData(index, combo->currentData(), Qt::EditRole);
    }
};

constexpr int uiTextLaneMapping = 5251;
constexpr int commonTextDefaults = 2015;

} // namespace

int MultiLaneMappingDialog::logicalLanesPerPhysicalLane(int mode)
{
    switch (mode) {
    case 0:
        return 1;
    case 1:
        return 2;
    case 2:
        return 5;
    default:
        return 0;
    }
}

MultiLaneMappingDialog::MultiLaneMappingDialog(QWidget *page, zelServerManager *manager, int port, int group,
                                               MultiLaneMappingDialogModel *model, int mode)
    : UiHelperDialog(manager, page, manager ? manager->GetTerminology(port) : 0),
      ui(std::make_unique<Ui::MultiLaneMappingDialog>()),
      m_model(model),
      m_port(port),
      m_group(group),
      m_mode(mode)
{
    ui->setupUi(this);
    setHelpPage(QStringLiteral("lane_mapping.html"));
    DialogSetup::prepareDialog(this, texts(), ui->buttonBox, {});

    ZEL_ASSERT(m_model, QStringLiteral("MultiLaneMappingDialog: no lane model."));
    if (!m_model)
        m_model = new MultiLaneMappingDialogModel({}, 0, this);
    m_model->setParent(this);

    int perPhysical = logicalLanesPerPhysicalLane(mode);
    ZEL_ASSERT(perPhysical > 0, QStringLiteral("MultiLaneMappingDialog: unknown mode %1.").arg(mode));
    if (perPhysical <= 0)
        perPhysical = 1;
    m_model->setLogicalLanesPerPhysicalLane(perPhysical);

    ui->tvLanes->setModel(m_model);
    // The physical lane column as wide as its title, which is wider than its numbers.
    ui->tvLanes->horizontalHeader()->setSectionResizeMode(MultiLaneMappingDialogModel::ColumnPhysical,
                                                          QHeaderView::ResizeToContents);
    ui->tvLanes->setItemDelegateForColumn(MultiLaneMappingDialogModel::ColumnLogical,
                                          new LaneComboDelegate(ui->tvLanes));
    if (perPhysical > 1) {
        for (int row = 0; row < m_model->laneCount(); row += perPhysical)
            ui->tvLanes->setSpan(row, MultiLaneMappingDialogModel::ColumnPhysical,
                                 qMin(perPhysical, m_model->laneCount() - row), 1);
    }

    const WidgetText texts = this->texts();
    setWindowTitle(texts.getUiText(uiTextLaneMapping));
    ui->pbDefault->setText(texts.getCommonText(commonTextDefaults));
    SetButtons(ui->buttonBox);

    const QList<int> ids = m_model->laneIds();
    for (int row = 0; row < ids.size(); ++row) {
        const int sid = nsSID::build(port, group, ids.at(row));
        // Known before binding: the setter reports the current value at once.
        m_rowOfSid.insert(sid, row);
        m_setters.append(uiHelperList()->AddUiHelper(
            std::make_unique<UiHelper_Setter>(manager, this, sid, UiHelper::ConnectImmediately)));
    }
    if (m_model->countId() > 0) {
        uiHelperList()->AddUiHelper(std::make_unique<UiHelper_Label>(
            manager, ui->lblLaneCountValue, ui->lblLaneCount, nullptr, nsSID::build(port, group, m_model->countId()), 0,
            UiHelper::ConnectImmediately));
    }

    connect(m_model, &MultiLaneMappingDialogModel::laneEdited, this, &MultiLaneMappingDialog::laneEdited);
    connect(ui->pbDefault, &QPushButton::clicked, this, &MultiLaneMappingDialog::clickedDefault);
    updateButtons();
}

MultiLaneMappingDialog::~MultiLaneMappingDialog() = default;

void MultiLaneMappingDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int row = m_rowOfSid.value(parameter.getSID(), -1);
    if (row < 0)
        return;
    const int type = parameter.getType();
    const bool integral = type == QcmaParameter::TypeInt || type == QcmaParameter::TypeEnum
                          || type == QcmaParameter::TypeUInt;
    ZEL_ASSERT(integral, QStringLiteral("lane parameter 0x%1 is of type %2.").arg(parameter.getSID(), 0, 16).arg(type));
    const bool known = integral && parameter.isDefined();
    m_model->setLogicalLane(row, known ? parameter.getInt() : MultiLaneMappingDialogModel::undefinedLane);
    updateButtons();
}

void MultiLaneMappingDialog::laneEdited(int row, int lane)
{
    UiHelper_Setter *setter = m_setters.value(row, nullptr);
    if (!setter)
        return;
    const std::unique_ptr<QcmaParameter> copy = setter->QcmaParameter_GetCopy();
    ZEL_ASSERT(copy, QStringLiteral("lane parameter 0x%1 has no value.").arg(setter->getSID(), 0, 16));
    if (!copy)
        return;
    copy->setValue(QVariant(lane));
    setter->setParameter(copy.get());
    updateButtons();
}

void MultiLaneMappingDialog::clickedDefault()
{
    m_model->resetToDefault();
}

void MultiLaneMappingDialog::updateButtons()
{
    const bool access = !serverManager() || serverManager()->getGUIAccessState() == 0;
    ui->tvLanes->setEditTriggers(access ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    ui->pbDefault->setEnabled(access && m_model->laneCount() > 0);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(access && m_model->isComplete());
}
