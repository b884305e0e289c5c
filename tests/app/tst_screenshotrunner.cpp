#include <QtTest>

#include "contactsheet.h"

class tst_ScreenshotRunner : public QObject
{
    Q_OBJECT
private slots:
    void contactSheetLinksAndNames();
};

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
