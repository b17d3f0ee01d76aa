#include "app/load_failure_text.h"

QString LoadFailureText(const QString& path, const vrd::Failure& failure) {
    const QString reason =
        QString::fromLatin1(failure.reason.data(), static_cast<qsizetype>(failure.reason.size()));
    const QString file = QStringLiteral("\"") % path % QStringLiteral("\"");
    switch (failure.stage) {
    case vrd::Stage::Read:
        return file % QStringLiteral(" could not be read: ") % reason % QStringLiteral(".");
    case vrd::Stage::Decode:
        return file % QStringLiteral(" could not be decoded: ") % reason %
               QStringLiteral(". The lists stay empty.");
    case vrd::Stage::Parse:
        return QStringLiteral("The report in ") % file %
               QStringLiteral(" could not be read to its end: ") % reason %
               QStringLiteral(". The lists show it up to that point.");
    case vrd::Stage::Cancelled:
        break;
    }
    return QStringLiteral("Reading ") % file % QStringLiteral(" was cancelled.");
}
