#include "otnstimuliwidgetnotbuilt.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int containerTitleText = 3069;
}

OtnStimuliWidgetNotBuilt::OtnStimuliWidgetNotBuilt(const ClientInfo &client, const QString &category,
                                                   QWidget *parent)
    : OtnStimuliWidget(client, containerTitleText, parent)
{
    setObjectName(QStringLiteral("OtnStimuliWidgetNotBuilt"));
    auto *layout = new QVBoxLayout(this);
    m_label = new QLabel(tr("%1 insertion is not available yet.").arg(category), this);
    m_label->setObjectName(QStringLiteral("lblNotBuilt"));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label);
    layout->addStretch(1);
}

OtnStimuliWidgetNotBuilt::~OtnStimuliWidgetNotBuilt() = default;

void OtnStimuliWidgetNotBuilt::initializeHelpers() {}
