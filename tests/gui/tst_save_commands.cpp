// "Save As" > "csv file" and "txt file": the suggested name, the filters and the bytes written.
// What a failed save leaves is in tst_save_failures.

#include "app/mdi_form_main.h"
#include "export/csv_export.h"
#include "export/text_export.h"
#include "gui_test_support.h"

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
    // The name chosen last without its last six characters, then " decrypt".
    QCOMPARE(dialogs_->saveCalls[0].preset, QStringLiteral("north ga decrypt"));
    QCOMPARE(dialogs_->saveCalls[0].filter, csv ? QStringLiteral("Fichier texte (*.csv)|*.csv")
                                                : QStringLiteral("Fichier texte (*.txt)|*.txt"));
    const std::string expected = csv ? *vrd::CsvFileBytes(report_) : vrd::TextFileBytes(report_);
    QCOMPARE(TestFiles::Read(target), expected);
    QVERIFY(TestFiles::Read(target).find("left out") == std::string::npos || !csv);
    QVERIFY(TakeWarning(*main_).isEmpty());
    // The saved file is now the one chosen last.
    QCOMPARE(main_->Dialog().LastChosenName(), QFileInfo(target).fileName());
}

void TestSaveCommands::cancelledSaveWritesNothing() {
    OpenReport(QStringLiteral("north gate.vrd"));
    const QStringList before = QDir(files_.Path(QString())).entryList(QDir::Files);
    main_->Menus().csvfile->trigger();
    main_->Menus().txtfile->trigger();
    QCOMPARE(dialogs_->saveCalls.size(), 2);
    QCOMPARE(QDir(files_.Path(QString())).entryList(QDir::Files), before);
    QVERIFY(TakeWarning(*main_).isEmpty());
    QCOMPARE(main_->Dialog().LastChosenName(), QStringLiteral("north gate.vrd"));
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
