#include "reportsaver.h"

#include <memory>
#include <vector>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "clientlogging.h"
#include "reportcollector.h"
#include "reportcsvwriter.h"
#include "reportpdfwriter.h"

bool ReportSaver::save(ClientSession &session, QWidget *parent)
{
    const QString suggested = QDir::home().filePath(
        QStringLiteral("otn-report-%1.pdf").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    QString pdf = QFileDialog::getSaveFileName(parent, QApplication::translate("ReportSaver", "Save Report"), suggested,
                                               QApplication::translate("ReportSaver", "PDF files (*.pdf)"));
    if (pdf.isEmpty())
        return false;
    if (QFileInfo(pdf).suffix().isEmpty())
        pdf += QStringLiteral(".pdf");
    const QFileInfo info(pdf);
    const QString csv = info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = write(session, pdf, csv, &error);
    QApplication::restoreOverrideCursor();
    if (!written)
        QMessageBox::critical(parent, QApplication::translate("ReportSaver", "Save Report"), error);
    return written;
}

bool ReportSaver::write(ClientSession &session, const QString &pdfPath, const QString &csvPath, QString *error)
{
    const ReportData data = ReportCollector(session).collect();
    QList<QPair<QString, QByteArray>> files{{pdfPath, ReportPdfWriter::render(data)}};
    if (!csvPath.isEmpty()) {
        files.append({csvPath, ReportCsvWriter::results(data)});
        files.append({eventsPathFor(csvPath), ReportCsvWriter::events(data)});
    }
    // Every file is written in full before any takes its name, so a failure leaves none behind.
    std::vector<std::unique_ptr<QSaveFile>> saved;
    for (const auto &file : qAsConst(files)) {
        auto out = std::make_unique<QSaveFile>(file.first);
        if (!out->open(QIODevice::WriteOnly) || out->write(file.second) != file.second.size()) {
            const QString message = QApplication::translate("ReportSaver", "Cannot write the report to %1: %2")
                                        .arg(QDir::toNativeSeparators(file.first), out->errorString());
            qCWarning(lcClient).noquote() << message;
            if (error)
                *error = message;
            for (const auto &other : saved)
                other->cancelWriting();
            out->cancelWriting();
            return false;
        }
        saved.push_back(std::move(out));
    }
    for (size_t i = 0; i < saved.size(); ++i) {
        if (saved[i]->commit())
            continue;
        const QString message = QApplication::translate("ReportSaver", "Cannot write the report to %1: %2")
                                    .arg(QDir::toNativeSeparators(saved[i]->fileName()), saved[i]->errorString());
        qCWarning(lcClient).noquote() << message;
        if (error)
            *error = message;
        for (size_t rest = i + 1; rest < saved.size(); ++rest)
            saved[rest]->cancelWriting();
        return false;
    }
    return true;
}

QString ReportSaver::eventsPathFor(const QString &csvPath)
{
    const QFileInfo info(csvPath);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-events.") + suffix);
}
