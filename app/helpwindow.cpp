#include "helpwindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "clientlogging.h"

// Resources of a static library are registered by hand, once, at global scope.
static void initHelpResource()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(done)
}

namespace {
const char helpRoot[] = "qrc:/help/";
} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("otn-client Help"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    resize(560, 640);
}

QUrl HelpWindow::urlOf(const QString &name)
{
    initHelpResource();
    const QUrl url(QLatin1String(helpRoot) + name);
    if (name.isEmpty() || !url.isValid() || !QFile::exists(QStringLiteral(":/help/") + url.path().section(QLatin1Char('/'), -1)))
        return QUrl();
    return url;
}

void HelpWindow::showPage(const QString &name)
{
    QUrl url = urlOf(name);
    if (!url.isValid()) {
        qCWarning(lcClient).noquote() << "no help page" << name;
        url = urlOf(overviewPage());
    }
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}
