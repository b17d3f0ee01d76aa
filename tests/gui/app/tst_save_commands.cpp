// "Save As" > "csv file" and "txt file": the suggested name, the filters and the bytes written.
// What a failed save leaves is in tst_save_failures.

#include "app/mdi_form_main.h"
#include "export/csv_export.h"
#include "export/text_export.h"
#include "tests/gui/gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

int Level(int minute) {
    return 40 + minute % 40;
}

} // namespace

class TestSaveCommands final : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void savesWriteTheExportBytes_data();
    void savesWriteTheExportBytes();
    void cancelledSaveWritesNothing();
    void tooShortANameEndsTheCommand();
    void suggestionNamesTheReportWritten();

  private:
    void OpenReport(const QString& name);

    TestFiles files_;
    std::string report_;
    std::unique_ptr<FakeFileDialogs> dialogs_;
    std::unique_ptr<MDIFormMain> main_;
};

void TestSaveCommands::init() {
    // A carriage return before each line feed, a byte above 127 and a line the export leaves out.
    const std::string lines = BuildReport(90, Level);
    report_.clear();
    for (const char c : lines)
        report_ += c == '\n' ? std::string("\r\n") : std::string(1, c);
    report_.replace(0, 4, "Cit\xe9");
    report_.insert(report_.find("5 minutes"), "-- left out --------\r\n");
    dialogs_ = std::make_unique<FakeFileDialogs>();
    main_ = StartMainWindow(*dialogs_);
    QVERIFY(main_ != nullptr);
}

void TestSaveCommands::cleanup() {
    main_.reset();
    dialogs_.reset();
}

void TestSaveCommands::OpenReport(const QString& name) {
    dialogs_->openAnswers.append(files_.Write(name, EncodeReport(report_)));
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnuvrd->trigger();
    QVERIFY(ended.wait(10000));
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());
}

void TestSaveCommands::savesWriteTheExportBytes_data() {
    QTest::addColumn<bool>("csv");
    QTest::newRow("csv file") << true;
    QTest::newRow("txt file") << false;
}

void TestSaveCommands::savesWriteTheExportBytes() {
    QFETCH(bool, csv);
    OpenReport(QStringLiteral("north gate.vrd"));
    const QString target = files_.Path(csv ? QStringLiteral("out.csv") : QStringLiteral("out.txt"));
    dialogs_->saveAnswers.append(target);
    (csv ? main_->Menus().csvfile : main_->Menus().txtfile)->trigger();

    QCOMPARE(dialogs_->saveCalls.size(), 1);
    // The report's file name without its last six characters, then " decrypt".
    QCOMPARE(dialogs_->saveCalls[0].preset, QStringLiteral("north ga decrypt"));
    QCOMPARE(dialogs_->saveCalls[0].filter, csv ? QStringLiteral("Fichier texte (*.csv)|*.csv")
                                                : QStringLiteral("Fichier texte (*.txt)|*.txt"));
    const std::string expected = csv ? *vrd::CsvFileBytes(report_) : vrd::TextFileBytes(report_);
    QCOMPARE(TestFiles::Read(target), expected);
    QVERIFY(TestFiles::Read(target).find("left out") == std::string::npos || !csv);
    QVERIFY(TakeWarning(*main_).isEmpty());
    // A save names no report: the next one suggests the same name.
    QCOMPARE(main_->Dialog().ReportFileName(), QStringLiteral("north gate.vrd"));
    (csv ? main_->Menus().csvfile : main_->Menus().txtfile)->trigger();
    QCOMPARE(dialogs_->saveCalls.last().preset, QStringLiteral("north ga decrypt"));
}

void TestSaveCommands::cancelledSaveWritesNothing() {
    OpenReport(QStringLiteral("north gate.vrd"));
    const QStringList before = QDir(files_.Path(QString())).entryList(QDir::Files);
    main_->Menus().csvfile->trigger();
    main_->Menus().txtfile->trigger();
    QCOMPARE(dialogs_->saveCalls.size(), 2);
    QCOMPARE(QDir(files_.Path(QString())).entryList(QDir::Files), before);
    QVERIFY(TakeWarning(*main_).isEmpty());
    QCOMPARE(main_->Dialog().ReportFileName(), QStringLiteral("north gate.vrd"));
}

// A file named after one log must never hold another: the name suggested is always that of the
// open whose report the save writes.
void TestSaveCommands::suggestionNamesTheReportWritten() {
    OpenReport(QStringLiteral("north gate.vrd"));
    const QString target = files_.Path(QStringLiteral("out.txt"));

    // An open that fails before it has a report keeps the report, and so the name.
    const std::pair<QString, std::string> failing[] = {
        {QStringLiteral("broken file.vrd"), "no table end"},
        {QStringLiteral("missing dir/gone.vrd"), {}},
    };
    for (const auto& [name, bytes] : failing) {
        const QString path = bytes.empty() ? files_.Path(name) : files_.Write(name, bytes);
        dialogs_->openAnswers.append(path);
        QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
        main_->Menus().mnuvrd->trigger();
        QVERIFY(ended.wait(10000));
        QVERIFY(!TakeWarning(*main_).isEmpty());
        dialogs_->saveAnswers.append(target);
        main_->Menus().txtfile->trigger();
        QCOMPARE(dialogs_->saveCalls.last().preset, QStringLiteral("north ga decrypt"));
        QCOMPARE(TestFiles::Read(target), vrd::TextFileBytes(report_));
    }

    // A decoding that fails part way leaves the new file's partial text, which is what a save
    // writes: the name is then the new file's.
    std::string cut = EncodeReport(report_);
    cut.insert(cut.find('@') + 40, std::string(300, '0'));
    dialogs_->openAnswers.append(files_.Write(QStringLiteral("cut word.vrd"), cut));
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnuvrd->trigger();
    QVERIFY(ended.wait(10000));
    QVERIFY(!TakeWarning(*main_).isEmpty());
    QVERIFY(main_->State().DecodedReport != report_);
    dialogs_->saveAnswers.append(target);
    main_->Menus().txtfile->trigger();
    QCOMPARE(dialogs_->saveCalls.last().preset, QStringLiteral("cut wo decrypt"));
    QCOMPARE(TestFiles::Read(target), vrd::TextFileBytes(main_->State().DecodedReport));
}

void TestSaveCommands::tooShortANameEndsTheCommand() {
    OpenReport(QStringLiteral("a.vrd"));
    main_->Menus().txtfile->trigger();
    QVERIFY(dialogs_->saveCalls.isEmpty());
    const QString warning = TakeWarning(*main_);
    QVERIFY2(warning.contains(QStringLiteral("a.vrd")), qPrintable(warning));
    QVERIFY(main_->isEnabled());

    // Exactly six characters give " decrypt".
    OpenReport(QStringLiteral("ab.vrd"));
    main_->Menus().txtfile->trigger();
    QCOMPARE(dialogs_->saveCalls.last().preset, QStringLiteral(" decrypt"));
}

VRD_GUI_TEST_MAIN(TestSaveCommands)
#include "tst_save_commands.moc"
