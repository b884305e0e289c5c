#include "uihelper_multilane.h"

#include <QLabel>

#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/widgets/multilanewidget.h"

UiHelper_MultiLane::UiHelper_MultiLane(zelServerManager *manager, MultiLaneWidget *lanes, QLabel *caption, int sid,
                                       int lanesPerRow, bool singleLane, int strategy)
    : UiHelper(manager), m_lanes(lanes), m_caption(caption), m_lanesPerRow(qMax(1, lanesPerRow)),
      m_singleLane(singleLane)
{
    if (m_lanes) {
        connect(m_lanes.data(), &MultiLaneWidget::lanesEdited, this, &UiHelper_MultiLane::lanesEdited);
        SetHelperWidgetActive(m_lanes, true, true);
    }
    SetHelperWidgetActive(m_caption, true, false);
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

UiHelper_MultiLane::~UiHelper_MultiLane()
{
    if (m_lanes)
        disconnect(m_lanes.data(), nullptr, this, nullptr);
}

void UiHelper_MultiLane::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (parameter.getType() != QcmaParameter::TypeBitArray) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_MultiLane(sid=%2)")
                      .arg(parameter.getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    if (m_lanes)
        m_lanes->setBits(parameter.getBitArray(), 1, m_lanesPerRow);
}

void UiHelper_MultiLane::UpdateText()
{
    if (m_caption)
        m_caption->setText(GetText_Name());
}

void UiHelper_MultiLane::lanesEdited()
{
    const QcmaParameter *current = QcmaParameter_Get();
    if (m_updating || !m_lanes || !current || current->getType() != QcmaParameter::TypeBitArray)
        return;
    QBitArray bits = m_lanes->bits();
    if (bits.size() != current->getBitArray().size())
        return;   // the widget does not show this parameter (yet)
    if (m_singleLane && bits.count(true) > 1) {
        // One lane at a time: the lane just switched on wins.
        const QBitArray before = current->getBitArray();
        int chosen = -1;
        for (int i = 0; i < bits.size() && chosen < 0; ++i) {
            if (bits.testBit(i) && !before.testBit(i))
                chosen = i;
        }
        if (chosen < 0)
            return;
        bits.fill(false);
        bits.setBit(chosen);
        m_lanes->setBits(bits, 1, m_lanesPerRow);
    }
    if (bits == current->getBitArray())
        return;
    const std::unique_ptr<QcmaParameter> copy = QcmaParameterFactory::createCopy(current);
    ZEL_ASSERT_TEXT(copy, "(void*)qcmaParam != 0", QStringLiteral("qcmaParam is 0"));
    if (!copy)
        return;
    static_cast<QcmaParameterBitArray *>(copy.get())->setValue(bits);
    copy->setDefined(true);
    QcmaParameter_SetValue(copy.get(), false);
}
