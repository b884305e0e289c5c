#pragma once

#include <QWidget>

class QTextBrowser;

// The client's help: short HTML pages, one per help page name the pages and dialogs carry, built in as
// resources and shown in a browser window.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The page for a help page name ("otn_overhead.html#otn_ftfl": the page, at that anchor); the
    // client's overview page for a name without a page of its own, with a logged line.
    void showPage(const QString &name);
    // The resource URL of a help page name; invalid when there is no such page.
    static QUrl urlOf(const QString &name);
    static QString overviewPage() { return QStringLiteral("otn_client.html"); }
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser = nullptr;
};
