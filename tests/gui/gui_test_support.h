#pragma once
// Reports, encoded files and a file-dialog fake for the Qt tests.

#include "app/file_dialogs.h"
#include "report/open_report.h"
#include "report/opened_report.h"
#include "report/report_lists.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class MDIFormMain;

#include <functional>
#include <memory>
#include <string>

// A level record as the devices write it: "12/05/2011 - 17:08    Leq <  60 dBA" and a line feed.
std::string LevelLine(int minuteOfDay, int level);
// A gap record: the minute without a level.
std::string GapLine(int minuteOfDay);

// A report of `minutes` 1-minute records from 00:00 on 12/05/2011 with the level levelAt(minute)
// (-1 for a gap), followed by 5-minute, 10-minute and 1-hour sections with one row per interval of
// the first coveredMinutes (all minutes when -1), and an events section with one event.
// Site "Site Test", serial "SN 42".
std::string BuildReport(int minutes, const std::function<int(int)>& levelAt,
                        int coveredMinutes = -1);

// The .vrd bytes that decode to report: its alphabet as the code table, "@", a filler, the code
// words, and one padding byte the decoder never reads.
std::string EncodeReport(const std::string& report);

// The main window over dialogs after its start-up, with no wait on the start screen; null when
// the start-up did not finish.
std::unique_ptr<MDIFormMain> StartMainWindow(FileDialogs& dialogs);

// What the core makes of the file at path: the state and lists of one open from start-up.
struct CoreOpen {
    vrd::Declaration state;
    vrd::ReportLists lists;
    vrd::OpenOutcome outcome;
};
CoreOpen OpenWithCore(const QString& path, vrd::ReportKind kind);
// The same open as one value, as the windows take it.
vrd::SharedReport Shared(const CoreOpen& open);

// Files in a temporary folder that goes away with the test.
class TestFiles {
  public:
    QString Write(const QString& name, const std::string& bytes);
    QString Path(const QString& name) const;
    static std::string Read(const QString& path);
    // A named pipe: a load of it waits in its read until something writes to it (FeedPipe).
    QString MakePipe(const QString& name);

  private:
    QTemporaryDir dir_;
};

// Writes bytes into the named pipe at path for the reader that opens it within timeoutMs, and
// closes it, which ends the reader's read; false when no reader came.
bool FeedPipe(const QString& path, const std::string& bytes, int timeoutMs = 10000);

// Answers the dialogs from queues and records what they were asked; an empty queue cancels.
class FakeFileDialogs final : public FileDialogs {
  public:
    struct Call {
        QString preset;
        QString filter;
        QString caption = {}; // asked among several types only
    };

    std::optional<QString> ChooseOpenPath(const QString& filter) override;
    std::optional<QString> ChooseSavePath(const QString& presetName,
                                          const QString& filter) override;
    // These record the filters joined by ";;", and the caption.
    std::optional<QString> ChooseOpenPathAmong(const QStringList& filters,
                                               const QString& caption) override;
    std::optional<ChosenPath> ChooseSavePathAmong(const QString& presetName,
                                                  const QStringList& filters,
                                                  const QString& caption) override;

    QList<QString> openAnswers;
    QList<QString> saveAnswers;
    // The file type chosen with each save answer among several; the first when none is queued.
    QList<int> saveTypeAnswers;
    QList<Call> openCalls;
    QList<Call> saveCalls;
};

QString Latin1(const std::string& bytes);

// The text of the label called name inside window.
QString LabelText(const QWidget& window, const char* name);

// The text of the warning the window shows, which is then closed; empty when there is none.
QString TakeWarning(QWidget& window);

// The tests run headless unless told otherwise.
#define VRD_GUI_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
