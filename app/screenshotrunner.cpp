#include "screenshotrunner.h"

#include <algorithm>

#include <memory>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QTableView>

#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/statisticslisttablepagefactory.h"
#include "host/contract/testresultidentifier.h"
#include "host/pages/page.h"
#include "host/pages/samplestates.h"
#include "host/pages/statisticslistpage.h"
#include "host/pages/stimuliwidget.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/dialogrunner.h"
#include "pagearea.h"
#include "stimuliarea.h"

ScreenshotRunner::ScreenshotRunner(InterfaceSetupPageFactory *factory, zelServerManager *manager,
                                   DialogRunner &dialogs, const QString &directory)
    : m_factory(factory), m_manager(manager), m_dialogs(&dialogs), m_directory(directory)
{
}

int ScreenshotRunner::run()
{
    m_written.clear();
    m_errors.clear();
    m_notes.clear();
    m_usedNames.clear();
    if (!m_factory) {
        m_errors.append(QStringLiteral("No page factory."));
        return 1;
    }
    if (!QDir().mkpath(m_directory)) {
        m_errors.append(QStringLiteral("Cannot create %1.").arg(m_directory));
        return 1;
    }
    for (int pageId : registeredPages(*m_factory)) {
        std::unique_ptr<Page> page(m_factory->createPage(PageArea::identifierOf(*m_factory, pageId), m_manager));
        if (!page) {
            m_notes.append(QStringLiteral("The plug-in created no page %1.").arg(pageId));
            continue;
        }
        page->initializePage();
        if (render(page.get(), QStringLiteral("page %1").arg(pageId))) {
            renderDialogsOf(page.get());
            renderSampleStates(page.get());
        }
    }
    renderResultPages();
    for (SampleDialog &sample : m_factory->createSampleDialogs(m_manager, m_port)) {
        if (sample.dialog)
            renderDialog(sample.dialog.get(), sample.name);
    }
    renderStimuli();
    return m_errors.isEmpty() ? 0 : 1;
}

void ScreenshotRunner::renderStimuli()
{
    if (m_stimuli.isEmpty())
        return;
    // In the stimuli area, as the user sees a panel: under its tab, with Insert/Stop and the status line.
    StimuliArea area;
    area.setServerManager(m_manager);
    area.addPanels(m_port, m_stimuli);
    m_stimuli.clear();
    area.showPort(m_port);
    for (StimuliWidget *panel : area.currentPanels()) {
        area.showPanel(panel);
        // Measured once shown: style sheets and values take their room only then.
        const int needed = qMax(panel->minimumWidth(), panel->minimumSizeHint().width());
        // The area grows with a panel wider than its room, so that the picture shows the whole panel.
        area.setMinimumWidth(needed > stimuliWidth ? area.minimumSizeHint().width() + needed - stimuliWidth : 0);
        if (needed > stimuliWidth)
            m_notes.append(QStringLiteral("%1 needs %2 pixels, wider than the stimuli area's %3.")
                               .arg(panel->objectName())
                               .arg(needed)
                               .arg(stimuliWidth));
        const QString name = panel->objectName().isEmpty() ? QStringLiteral("panel %1").arg(panel->id())
                                                           : panel->objectName();
        renderAs(&area, name);
        renderSampleStates(panel, &area);
    }
}

void ScreenshotRunner::renderDialogsOf(QWidget *page)
{
    page->resize(m_size);
    page->setAttribute(Qt::WA_DontShowOnScreen);
    page->show();
    QCoreApplication::processEvents();
    // Checkable buttons choose values (module type, port mode); only plain buttons open dialogs.
    const QList<QAbstractButton *> buttons = page->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->isCheckable() || !button->isVisibleTo(page) || !button->isEnabled())
            continue;
        ScopedDialogHandler handler(*m_dialogs, [this](QDialog *dialog) {
            renderDialog(dialog, dialog->objectName().isEmpty() ? QString::fromLatin1(dialog->metaObject()->className())
                                                                : dialog->objectName());
            return 0;
        });
        button->click();
        // A dialog the button shows without running it (a view that follows the page) is taken as well.
        for (QDialog *dialog : page->findChildren<QDialog *>()) {
            if (dialog->isVisible()) {
                QCoreApplication::processEvents();
                renderDialog(dialog, dialog->objectName());
            }
        }
    }
    page->hide();
}

void ScreenshotRunner::renderDialog(QDialog *dialog, const QString &name)
{
    const QSize hint = dialog->sizeHint();
    const QSize size(qMax(hint.width(), dialog->width()), qMax(hint.height(), dialog->height()));
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
    dialog->resize(size);
    QCoreApplication::processEvents();
    const QString file =
        QDir(m_directory).filePath(fileNameFor(uniqueName(dialogPictureName(name, dialog->windowTitle()))));
    if (titledPicture(dialog).save(file, "PNG"))
        m_written.append(file);
    else
        m_errors.append(QStringLiteral("Cannot write %1.").arg(file));
    dialog->hide();
}

QString ScreenshotRunner::dialogPictureName(const QString &name, const QString &windowTitle)
{
    const QString title = windowTitle.simplified();
    if (title.isEmpty())
        return name;
    return QStringLiteral("%1 - %2").arg(name, title);
}

QPixmap ScreenshotRunner::titledPicture(QWidget *dialog)
{
    const QPixmap body = dialog->grab();
    QFont font = dialog->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    constexpr int padding = 6;
    const QString title = dialog->windowTitle();
    const int barHeight = metrics.height() + 2 * padding;
    // Wide enough for the whole title, should it be wider than the dialog.
    const int width = qMax(body.width() / body.devicePixelRatio(), qreal(metrics.horizontalAdvance(title) + 2 * padding));
    QPixmap picture(QSize(width, barHeight + body.height() / body.devicePixelRatio()) * body.devicePixelRatio());
    picture.setDevicePixelRatio(body.devicePixelRatio());
    picture.fill(dialog->palette().color(QPalette::Window));
    QPainter painter(&picture);
    const QRect bar(0, 0, width, barHeight);
    painter.fillRect(bar, dialog->palette().color(QPalette::Dark));
    painter.setPen(dialog->palette().color(QPalette::BrightText));
    painter.setFont(font);
    painter.drawText(bar.adjusted(padding, 0, -padding, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.drawPixmap(0, barHeight, body);
    return picture;
}

QString ScreenshotRunner::uniqueName(const QString &name)
{
    const int seen = m_usedNames.value(name, 0) + 1;
    m_usedNames.insert(name, seen);
    return seen == 1 ? name : QStringLiteral("%1 %2").arg(name).arg(seen);
}

QSize ScreenshotRunner::sizeFor(QWidget *widget) const
{
    // A stimuli panel as the stimuli area shows it (alone or in the area): the area's width, as tall as
    // the panel needs.
    if (qobject_cast<StimuliWidget *>(widget) || qobject_cast<StimuliArea *>(widget))
        return QSize(std::max({stimuliWidth, widget->minimumSizeHint().width(), widget->minimumWidth()}),
                     qMax(stimuliHeight, widget->minimumSizeHint().height()));
    return m_size;
}

bool ScreenshotRunner::render(QWidget *widget, const QString &fallbackName)
{
    return renderAs(widget, widget->objectName().isEmpty() ? fallbackName : widget->objectName());
}

bool ScreenshotRunner::renderAs(QWidget *widget, const QString &name)
{
    widget->resize(sizeFor(widget));
    // Shown, so that the bindings connect and fill the widgets with the tester's values.
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    showWithValues(widget, m_poller);
    const bool saved = save(widget, name);
    widget->hide();
    return saved;
}

bool ScreenshotRunner::save(QWidget *widget, const QString &name)
{
    growToShowScrolledContents(widget);
    const QString file = QDir(m_directory).filePath(fileNameFor(uniqueName(name)));
    const bool saved = widget->grab().save(file, "PNG");
    if (saved)
        m_written.append(file);
    else
        m_errors.append(QStringLiteral("Cannot write %1.").arg(file));
    return saved;
}

void ScreenshotRunner::settle()
{
    // Answers may ask for more answers (a confirmation makes a page write again): a few rounds.
    for (int round = 0; round < 4; ++round)
        QCoreApplication::processEvents();
    if (m_poller && m_poller->poll() > 0) {
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents();
    }
}

void ScreenshotRunner::renderSampleStates(QWidget *page, QWidget *shown)
{
    auto *states = dynamic_cast<SampleStates *>(page);
    if (!states)
        return;
    if (!shown)
        shown = page;
    const QStringList names = states->sampleStateNames();
    for (int index = 0; index < names.size(); ++index) {
        ScopedDialogHandler handler(*m_dialogs, [this](QDialog *dialog) {
            renderDialog(dialog, dialog->objectName().isEmpty() ? QString::fromLatin1(dialog->metaObject()->className())
                                                                : dialog->objectName());
            return 0;
        });
        shown->resize(sizeFor(shown));
        shown->setAttribute(Qt::WA_DontShowOnScreen);
        shown->show();
        settle();
        bool reached = false;
        for (int step = 0; step < maxSampleSteps && !reached; ++step) {
            reached = states->stepToSampleState(index);
            settle();
        }
        const QString stateName = QStringLiteral("%1 - %2").arg(page->objectName(), names.at(index));
        if (reached) {
            save(shown, stateName);
            renderStatePages(states->sampleStatePages(index), names.at(index), states->sampleStatePageState(index));
        } else {
            m_notes.append(QStringLiteral("%1 did not reach its state %2.").arg(page->objectName(), names.at(index)));
        }
        shown->hide();
    }
}

void ScreenshotRunner::renderStatePages(const QList<int> &pageIds, const QString &state, const QString &pageState)
{
    if (pageIds.isEmpty() || !m_factory)
        return;
    // What a state does elsewhere (an alarm it inserts, received again) shows after a few intervals.
    for (int interval = 0; interval < stateIntervals; ++interval)
        settle();
    for (int pageId : pageIds) {
        std::unique_ptr<Page> page(m_factory->createPage(PageArea::identifierOf(*m_factory, pageId), m_manager));
        if (!page) {
            m_notes.append(QStringLiteral("The plug-in created no page %1.").arg(pageId));
            continue;
        }
        page->initializePage();
        const QString name = page->objectName().isEmpty() ? QStringLiteral("page %1").arg(pageId) : page->objectName();
        if (!pageState.isEmpty() && !stepPageTo(page.get(), pageState)) {
            m_notes.append(QStringLiteral("%1 did not reach its state %2 for %3.").arg(name, pageState, state));
            continue;
        }
        renderAs(page.get(), QStringLiteral("%1 - %2").arg(name, state));
    }
}

bool ScreenshotRunner::stepPageTo(QWidget *page, const QString &state)
{
    auto *states = dynamic_cast<SampleStates *>(page);
    if (!states)
        return false;
    page->resize(sizeFor(page));
    page->setAttribute(Qt::WA_DontShowOnScreen);
    page->show();
    settle();
    // The page names its states once the tester's values have arrived.
    bool reached = false;
    for (int step = 0; step < maxSampleSteps && !reached; ++step) {
        const int index = states->sampleStateNames().indexOf(state);
        reached = index >= 0 && states->stepToSampleState(index);
        settle();
    }
    return reached;
}

void ScreenshotRunner::renderResultPages()
{
    if (!m_statistics)
        return;
    for (int view : {int(TestResultIdentifier::ViewAlarmsErrors), int(TestResultIdentifier::ViewPerformance)}) {
        std::unique_ptr<StatisticsListPage> page(m_statistics->createPage(TestResultIdentifier(view), m_manager));
        if (!page) {
            m_notes.append(QStringLiteral("The plug-in created no result page for view %1.").arg(view));
            continue;
        }
        page->initializePage();
        if (render(page.get(), QStringLiteral("results %1").arg(view)))
            renderSampleStates(page.get());
    }
}

void ScreenshotRunner::growToShowScrolledContents(QWidget *widget)
{
    // A picture shows everything at once: the widget grows by what its scroll areas hide.
    QSize hidden(0, 0);
    for (const QScrollArea *area : widget->findChildren<QScrollArea *>()) {
        if (!area->widget() || !area->isVisibleTo(widget))
            continue;
        hidden = hidden.expandedTo(area->widget()->sizeHint() - area->viewport()->size());
    }
    // A table scrolls its rows and columns; its headers know how long they are.
    for (const QTableView *table : widget->findChildren<QTableView *>()) {
        if (!table->isVisibleTo(widget))
            continue;
        const QSize content(table->horizontalHeader()->length(), table->verticalHeader()->length());
        hidden = hidden.expandedTo(content - table->viewport()->size());
    }
    if (hidden.width() <= 0 && hidden.height() <= 0)
        return;
    widget->resize(widget->size() + hidden.expandedTo(QSize(0, 0)));
    QCoreApplication::processEvents();
}

void ScreenshotRunner::showWithValues(QWidget *widget, IntervalPoller *poller)
{
    widget->show();
    QCoreApplication::processEvents();
    if (poller && poller->poll() > 0)
        QCoreApplication::processEvents();
}

QString ScreenshotRunner::fileNameFor(const QString &objectName)
{
    QString name = objectName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    return name + QStringLiteral(".png");
}

QList<int> ScreenshotRunner::registeredPages(const InterfaceSetupPageFactory &factory)
{
    QList<int> ids;
    for (const SetupPageProperty *record : factory.setupPageProperties())
        ids.append(record->pageId());
    for (const StatusPageProperty *record : factory.allStatusPageProperties())
        ids.append(record->pageId());
    return ids;
}
