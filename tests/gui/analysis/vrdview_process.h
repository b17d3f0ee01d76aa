#pragma once
// vrdview run as a program by the tests of its report command, and what it wrote read back.

#include <QString>
#include <QStringList>

struct Finished {
    int status = -1; // -1 when the program did not finish in time
    QString err;
};

// vrdview run with arguments under the locale lang (LANG, nothing else set).
Finished RunVrdview(const QStringList& arguments, const QString& lang = QStringLiteral("C"));

// What a program printed on its standard output.
QString Output(const QString& program, const QStringList& arguments);

// The text of a PDF as pdftotext lays it out.
QString PdfText(const QString& pdf);
