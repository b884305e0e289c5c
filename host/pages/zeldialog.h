#pragma once

#include "host/texts/widgettext.h"
#include "host/widgets/qzeldialog.h"

class zelServerManager;

// Host dialog with a server manager and a help page.
class ZELBASE_EXPORT ZelDialog : public QzelDialog
{
    Q_OBJECT
public:
    ZelDialog(QWidget *parent, zelServerManager *manager, bool modal = true);

    // Also makes the modal runs of this dialog, and of the dialogs inside, go through the manager.
    void setServerManager(zelServerManager *manager);
    zelServerManager *serverManager() const { return m_manager; }
    // The server manager's texts; the built-in texts alone when the dialog has no manager.
    WidgetText texts() const;
    void setHelpPage(const QString &page) { m_helpPage = page; }
    QString helpPage() const { return m_helpPage; }

private:
    zelServerManager *m_manager = nullptr;
    QString m_helpPage;
};
