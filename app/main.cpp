// vrdview: decodes the noise-measurement devices' .vrd reports and shows them by averaging
// interval, with the running 5- and 10-minute levels, the maxima and a chart of the minutes.
//
// A file named as the first argument is opened once the start screen has gone. With --report or
// --xlsx it writes the analysis of the files named instead, without a window; --help and
// --version print the usage and the version.

#include "app/mdi_form_main.h"
#include "app/program_usage.h"
#include "app/qt_file_dialogs.h"
#include "app/report_command.h"
#include "views/common/language.h"

#include <QApplication>
#include <QIcon>

#include <iostream>

int main(int argc, char** argv) {
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> answered = AnswerHelpOrVersion(given, std::cout))
        return *answered;
    const bool report = IsReportCommand(given);
    if (report)
        PrepareReportCommand();
    QApplication app(argc, argv);
    // The analysis window and the command's messages follow the system's language; the devices'
    // windows keep their English, as their texts are not translated.
    SetWindowLanguage(SystemLanguage());
    if (report)
        return RunReportCommand(QApplication::arguments(), std::cerr);
    QApplication::setApplicationName(QStringLiteral("vrdview"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vrdview/vrdview.png")));

    StartUpOptions options;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        options.fileToOpen = arguments.at(1);

    QtFileDialogs dialogs;
    MDIFormMain window(dialogs, options);
    dialogs.SetParent(&window);
    window.MDIForm_Load();
    return QApplication::exec();
}
