#pragma once

#include <memory>

#include <QByteArray>

#include "client/otn/otnexport.h"
#include "host/pages/zeldialog.h"

class OtnCaptureFtflWidget;

namespace Ui {
class OtnCaptureFtflDialog;
}

// One captured FTFL message, read-only, one half at a time: the forward half on the first tab, the
// backward half on the second. A new message keeps the tab.
class ZELOTN_EXPORT OtnCaptureFtflDialog : public ZelDialog
{
    Q_OBJECT
public:
    explicit OtnCaptureFtflDialog(QWidget *parent = nullptr);
    ~OtnCaptureFtflDialog() override;

    void setFtfl(const QByteArray &ftfl);
    int currentTab() const { return m_tab; }
    OtnCaptureFtflWidget *ftflWidget() const { return m_widget; }

private slots:
    void changed_data(int tab);

private:
    std::unique_ptr<Ui::OtnCaptureFtflDialog> ui;
    OtnCaptureFtflWidget *m_widget = nullptr;
    QByteArray m_ftfl;
    int m_tab = 0;
};
