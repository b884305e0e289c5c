#pragma once

#include <memory>

#include <QHash>
#include <QList>

#include "host/bindings/notifyinterface.h"
#include "host/pages/uihelperdialog.h"

namespace Ui { class MultiLaneMappingDialog; }

class MultiLaneMappingDialogModel;
class UiHelper_Setter;

// Edits which logical lane each lane position carries. Mode 0: one logical lane per physical lane
// (4 lanes); mode 1: two per physical lane; mode 2: five per physical lane (20 logical lanes over 4
// physical lanes). Changes are sent together on OK. The dialog takes ownership of the model.
class ZELBASE_EXPORT MultiLaneMappingDialog : public UiHelperDialog, public NotifyInterface
{
    Q_OBJECT
public:
    MultiLaneMappingDialog(QWidget *page, zelServerManager *manager, int port, int group,
                           MultiLaneMappingDialogModel *model, int mode);
    ~MultiLaneMappingDialog() override;

    // Logical lanes per physical lane of a mode; 0 for an unknown mode.
    static int logicalLanesPerPhysicalLane(int mode);

    int mode() const { return m_mode; }
    int port() const { return m_port; }
    int group() const { return m_group; }
    MultiLaneMappingDialogModel *model() const { return m_model; }

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private:
    void laneEdited(int row, int lane);
    void clickedDefault();
    void updateButtons();

    std::unique_ptr<Ui::MultiLaneMappingDialog> ui;
    MultiLaneMappingDialogModel *m_model = nullptr;
    QList<UiHelper_Setter *> m_setters;   // one per model row
    QHash<int, int> m_rowOfSid;
    int m_port = 1;
    int m_group = 0;
    int m_mode = 0;
};
