#include <memory>

#include <QDir>
#include <QImage>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/pages/samplestates.h"
#include "host/pages/setupstatuspage.h"
#include "host/server/zelservermanager.h"
#include "contactsheet.h"
#include "screenshotrunner.h"
#include "tests/support/testerfixture.h"

namespace {

// A page that draws its own name; page 1 also has a plain button opening a dialog and a checkable one
// (a value choice) that must never be pressed. Page 2 has a sample state it reaches in its third step,
// opening a dialog on the way, and one it never reaches. Page 3 has one state, which it reaches at once.
class NamedPage : public SetupStatusPage, public SampleStates
{
public:
    NamedPage(const Identifier &identifier, zelServerManager *manager) : SetupStatusPage(identifier, {}, manager, 1) {}
    QStringList sampleStateNames() const override
    {
        if (identifier().pageId() == 3)
            return {"shown"};
        return identifier().pageId() == 2 ? QStringList{"later", "never"} : QStringList{};
    }
    // What state "later" does shows on page 3 as well, in page 3's state "shown".
    QList<int> sampleStatePages(int index) const override
    {
        return identifier().pageId() == 2 && index == 0 ? QList<int>{3} : QList<int>{};
    }
    QString sampleStatePageState(int index) const override
    {
        return identifier().pageId() == 2 && index == 0 ? QStringLiteral("shown") : QString();
    }
    bool stepToSampleState(int index) override
    {
        if (identifier().pageId() == 3)
            return true;
        if (index == 1)
            return false;
        if (++m_steps == 2) {
            QDialog dialog(this);
            dialog.setObjectName(QStringLiteral("StepDialog"));
            serverManager()->executeQzelDialog(&dialog);
        }
        return m_steps >= 3;
    }
    void initializeUi() override
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(objectName(), this));
        for (int checkable = 0; identifier().pageId() == 1 && checkable < 2; ++checkable) {
            auto *button = new QPushButton(checkable ? QStringLiteral("Choice") : QStringLiteral("Open"), this);
            button->setCheckable(checkable);
            const QString dialogName = checkable ? QStringLiteral("Pressed") : QStringLiteral("FakeDialog");
            QObject::connect(button, &QPushButton::clicked, this, [this, dialogName] {
                QDialog dialog(this);
                dialog.setObjectName(dialogName);
                dialog.setWindowTitle(QStringLiteral("ODU2/OPU2 Overhead"));
                QCOMPARE(serverManager()->executeQzelDialog(&dialog), 0);
            });
            layout->addWidget(button);
        }
    }

private:
    int m_steps = 0;
};

// Registers setup pages 1 and 2 and status page 3 (next to the two embedded status records 4 and 5);
// creates every page except the missing ones.
class FakeFactory : public InterfaceSetupPageFactory
{
public:
    explicit FakeFactory(const QList<int> &missing) : m_missing(missing)
    {
        m_setupPages << new SetupPageProperty(1, 1, 1, 5, nullptr, 0) << new SetupPageProperty(2, 2, 1, 5, nullptr, 0);
        m_physicalStatus.setPageId(4);
        m_errorStatus.setPageId(5);
        m_statusPages.append(new StatusPageProperty(3, 5, 0, 0));
    }
    Page *createPage(const InterfaceSetupIdentifier &identifier, zelServerManager *manager) override
    {
        if (m_missing.contains(identifier.pageId()))
            return nullptr;
        auto *page = new NamedPage(identifier, manager);
        // One name with a character a file name cannot carry.
        page->setObjectName(identifier.pageId() == 3 ? QStringLiteral("Fake Alarms/Errors")
                                                     : QStringLiteral("Fake %1").arg(identifier.pageId()));
        return page;
    }
    InterfaceSetupIdentifier::Technology technology() const override { return InterfaceSetupIdentifier::TechnologyOtn; }
    // One sample, saved under its sample name rather than its object name.
    std::vector<SampleDialog> createSampleDialogs(zelServerManager *, int port) override
    {
        samplePort = port;
        auto dialog = std::make_unique<QDialog>();
        dialog->setObjectName(QStringLiteral("FakeDialog"));
        std::vector<SampleDialog> samples;
        samples.push_back(SampleDialog{QStringLiteral("Fake sample"), std::move(dialog)});
        return samples;
    }

    int samplePort = -1;

private:
    QList<int> m_missing;
};

} // namespace

class tst_ScreenshotRunner : public QObject
{
    Q_OBJECT
private slots:
    void onePngPerRegisteredPage_data();
    void onePngPerRegisteredPage();
    void contactSheetLinksAndNames();
};

void tst_ScreenshotRunner::onePngPerRegisteredPage_data()
{
    QTest::addColumn<QList<int>>("missing");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("notes");
    const QStringList all{"Fake 1.png",      "Fake 2 - later.png",
                          "Fake 2.png",      "Fake 4.png",
                          "Fake 5.png",      "Fake Alarms-Errors - later.png",
                          "Fake Alarms-Errors - shown.png", "Fake Alarms-Errors.png", "Fake sample.png",
                          "FakeDialog - ODU2-OPU2 Overhead.png", "StepDialog.png"};
    const QString unreached = QStringLiteral("Fake 2 did not reach its state never.");
    QTest::newRow("every page") << QList<int>{} << all << QStringList{unreached};
    QTest::newRow("status pages missing")
        << QList<int>{4, 3}
        << QStringList{"Fake 1.png",      "Fake 2 - later.png", "Fake 2.png", "Fake 5.png", "Fake sample.png",
                       "FakeDialog - ODU2-OPU2 Overhead.png", "StepDialog.png"}
        << QStringList{"The plug-in created no page 3.", unreached, "The plug-in created no page 4.",
                       "The plug-in created no page 3."};
}

void tst_ScreenshotRunner::onePngPerRegisteredPage()
{
    QFETCH(QList<int>, missing);
    QFETCH(QStringList, files);
    QFETCH(QStringList, notes);

    TesterFixture tester(1);
    FakeFactory factory(missing);
    QCOMPARE(ScreenshotRunner::registeredPages(factory), (QList<int>{1, 2, 4, 5, 3}));
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString target = directory.filePath(QStringLiteral("shots/nested"));
    ScreenshotRunner runner(&factory, tester.manager(), tester.dialogRunner(), target);
    runner.setSize(QSize(320, 200));
    runner.setPort(2);
    QCOMPARE(runner.run(), 0);
    QCOMPARE(factory.samplePort, 2);
    QCOMPARE(runner.errors(), QStringList());
    QCOMPARE(runner.notes(), notes);
    QCOMPARE(QDir(target).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name), files);
    QCOMPARE(runner.writtenFiles().size(), files.size());
    const QImage image(QDir(target).filePath(files.first()));
    QCOMPARE(image.size(), QSize(320, 200));
}

void tst_ScreenshotRunner::contactSheetLinksAndNames()
{
    const QString path = QStringLiteral("a&b/<x> \"q\".png");
    const QString caption = QStringLiteral("<x> & \"q\"");
    const QString href = QStringLiteral("a%26b/%3Cx%3E%20%22q%22.png");
    const QString shownCaption = QStringLiteral("&lt;x&gt; &amp; &quot;q&quot;");
    ContactSheet sheet(QStringLiteral("Screens"));
    sheet.addSection({QStringLiteral("first"), QStringLiteral("First & only"), {{path, caption}}, {}});
    sheet.addSection({QStringLiteral("second"), QStringLiteral("Second"), {}, {{path, caption}}});
    const QString html = sheet.html();
    // Linked and shown from the sheet's own folder, named under the image.
    QVERIFY2(html.contains(QStringLiteral("<a href=\"%1\"><img src=\"%1\" alt=\"%2\"").arg(href, shownCaption)),
             qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("<figcaption>%1</figcaption>").arg(shownCaption)));
    QVERIFY(html.contains(QStringLiteral("<h2>First &amp; only</h2>")));
    QVERIFY(html.contains(QStringLiteral("<a href=\"#second\">Second</a>")));
    // A screen unchanged in a later section links to the earlier image.
    QVERIFY(html.contains(QStringLiteral("As in an earlier structure: <a href=\"%1\">%2</a>").arg(href, shownCaption)));
    QCOMPARE(html.count(QStringLiteral("<img ")), 1);
}

QTEST_MAIN(tst_ScreenshotRunner)
#include "tst_screenshotrunner.moc"
