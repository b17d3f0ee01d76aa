// vrdview: decodes the noise-measurement devices' .vrd reports and shows them by averaging
// interval, with the running 5- and 10-minute levels, the maxima and a chart of the minutes.
//
// A file named as the first argument is opened once the start screen has gone.

#include "app/mdi_form_main.h"
#include "app/qt_file_dialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
