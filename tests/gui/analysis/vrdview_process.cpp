#include "tests/gui/analysis/vrdview_process.h"

#include <QProcess>
#include <QProcessEnvironment>

Finished RunVrdview(const QStringList& arguments, const QString& lang) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VRDVIEW_PATH), arguments);
    Finished finished;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return finished;
    }
    finished.status = process.exitCode();
    finished.err = QString::fromUtf8(process.readAllStandardError());
    return finished;
}

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& pdf) {
    return Output(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}
