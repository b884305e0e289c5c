#pragma once

#include <memory>

#include "host/pages/uihelperdialog.h"

namespace Ui { class BulkDialog; }

// The test pattern of a bulk (unframed) client: pattern type and polarity. select 4 edits the
// transmitted pattern, 5 the expected one; changes are sent on OK or Apply.
class ZELBASE_EXPORT BulkDialog : public UiHelperDialog
{
    Q_OBJECT
public:
    BulkDialog(QWidget *page, zelServerManager *manager, int port, int select);
    ~BulkDialog() override;

    int select() const { return m_select; }
    int port() const { return m_port; }

private:
    std::unique_ptr<Ui::BulkDialog> ui;
    int m_port = 1;
    int m_select = 0;
};
