// "Save As" where the file cannot be written: a full device, a missing or read-only folder, a
// folder as the target, a file larger than the process may write. Each failure warns, naming the
// file and the reason, leaves the window enabled and "Save As" usable, and leaves what was on disk
// byte for byte as it was, with no temporary file behind. A device or a pipe as the target is
// written directly and is still a device or a pipe afterwards, never replaced by a file.

#include "app/mdi_form_main.h"
#include "export/csv_export.h"
#include "export/text_export.h"
#include "tests/gui/gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

int Level(int minute) {
    return 45 + minute % 30;
}

const std::string kPrecious = "the file that was there before\n";

// The mode bits of path (file type included), 0 when it does not exist.
mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Lowers the size a file of this process may grow to, for as long as it lives; a write past it
// fails as on a full disk, and the signal it would raise is ignored meanwhile.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool Ok() const { return ok_; }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
    bool ok_ = false;
};

} // namespace

class TestSaveFailures final : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void failuresWarnAndChangeNothing_data();
    void failuresWarnAndChangeNothing();
    void readOnlyFolderKeepsTheFileThere();
    void failedWriteKeepsTheFileThereByteForByte();
    void devicesAndPipesAreWrittenDirectly_data();
    void devicesAndPipesAreWrittenDirectly();

  private:
    // Saves to target; expects the save to fail with a warning naming target and containing
    // reason, and the window to go on.
    void SaveFails(const QString& target, bool csv, const QString& reason);
    QAction* Command(bool csv) const;

    TestFiles files_;
    std::string report_;
    std::unique_ptr<FakeFileDialogs> dialogs_;
    std::unique_ptr<MDIFormMain> main_;
};

void TestSaveFailures::init() {
    report_ = BuildReport(60, Level);
    dialogs_ = std::make_unique<FakeFileDialogs>();
    main_ = StartMainWindow(*dialogs_);
    QVERIFY(main_ != nullptr);
    dialogs_->openAnswers.append(
        files_.Write(QStringLiteral("north gate.vrd"), EncodeReport(report_)));
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnuvrd->trigger();
    QVERIFY(ended.wait(10000));
    QCOMPARE(main_->State().DecodedReport, report_);
}

void TestSaveFailures::cleanup() {
    main_.reset();
    dialogs_.reset();
}

QAction* TestSaveFailures::Command(bool csv) const {
    return csv ? main_->Menus().csvfile : main_->Menus().txtfile;
}

// One failed save per test, in the format the test's data names.
void TestSaveFailures::SaveFails(const QString& target, bool csv, const QString& reason) {
    dialogs_->saveAnswers = {target};
    Command(csv)->trigger();
    QVERIFY(dialogs_->saveAnswers.isEmpty());
    const QString warning = TakeWarning(*main_);
    QVERIFY2(warning.contains(QStringLiteral("\"%1\"").arg(target)) && warning.contains(reason),
             qPrintable(warning));
    QVERIFY(main_->isEnabled());
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());
    QVERIFY(Command(csv)->isEnabled());
}

void TestSaveFailures::failuresWarnAndChangeNothing_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("csv");
    QTest::addColumn<QString>("reason");
    for (const bool csv : {true, false}) {
        const char* format = csv ? "csv" : "txt";
        QTest::addRow("full device, %s", format)
            << QStringLiteral("/dev/full") << csv << QStringLiteral("No space left on device");
        QTest::addRow("missing folder, %s", format)
            << files_.Path(QStringLiteral("no folder/out.csv")) << csv
            << QStringLiteral("No such file or directory");
        QTest::addRow("folder as target, %s", format)
            << files_.Path(QStringLiteral("a folder")) << csv << QStringLiteral("folder");
    }
}

void TestSaveFailures::failuresWarnAndChangeNothing() {
    QFETCH(QString, target);
    QFETCH(bool, csv);
    QFETCH(QString, reason);
    // The folder as target holds a file of its own, which must stay.
    QDir(files_.Path(QString())).mkpath(QStringLiteral("a folder"));
    files_.Write(QStringLiteral("a folder/inside.txt"), kPrecious);
    const QString parent = QFileInfo(target).absolutePath();
    const QStringList before = Entries(parent);
    const QStringList inside = Entries(files_.Path(QStringLiteral("a folder")));
    const mode_t mode = ModeOf(target);

    SaveFails(target, csv, reason);

    QCOMPARE(Entries(parent), before);
    QCOMPARE(Entries(files_.Path(QStringLiteral("a folder"))), inside);
    QCOMPARE(TestFiles::Read(files_.Path(QStringLiteral("a folder/inside.txt"))), kPrecious);
    QCOMPARE(ModeOf(target), mode);
    if (target.startsWith(QStringLiteral("/dev/")))
        QVERIFY(S_ISCHR(ModeOf(target)));
}

void TestSaveFailures::readOnlyFolderKeepsTheFileThere() {
    if (::geteuid() == 0)
        QSKIP("Running as root, which may write into a read-only folder; "
              "failedWriteKeepsTheFileThereByteForByte covers the file kept as it was.");
    const QString folder = files_.Path(QStringLiteral("read only"));
    QVERIFY(QDir().mkpath(folder));
    const QString target = files_.Write(QStringLiteral("read only/out.csv"), kPrecious);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const QStringList before = Entries(folder);

    SaveFails(target, true, QStringLiteral("Permission denied"));
    SaveFails(target, false, QStringLiteral("Permission denied"));

    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(Entries(folder), before);
    QCOMPARE(TestFiles::Read(target), kPrecious);
}

// The write of the new text fails part way, as on a disk that fills up: the file that was there
// stays as it was, mode included, and no temporary file is left beside it.
void TestSaveFailures::failedWriteKeepsTheFileThereByteForByte() {
    const QString target = files_.Write(QStringLiteral("kept.csv"), kPrecious);
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther));
    const mode_t mode = ModeOf(target);
    const QStringList before = Entries(files_.Path(QString()));
    {
        const FileSizeLimit limit(256);
        QVERIFY(limit.Ok());
        SaveFails(target, true, QStringLiteral("File too large"));
        SaveFails(target, false, QStringLiteral("File too large"));
    }
    QCOMPARE(Entries(files_.Path(QString())), before);
    QCOMPARE(TestFiles::Read(target), kPrecious);
    QCOMPARE(ModeOf(target), mode);

    // With room again the same save replaces the file whole.
    dialogs_->saveAnswers = {target};
    main_->Menus().csvfile->trigger();
    QVERIFY(TakeWarning(*main_).isEmpty());
    QCOMPARE(TestFiles::Read(target), *vrd::CsvFileBytes(report_));
    QCOMPARE(ModeOf(target), mode);
}

void TestSaveFailures::devicesAndPipesAreWrittenDirectly_data() {
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<bool>("csv");
    for (const bool csv : {true, false}) {
        QTest::addRow("/dev/null, %s", csv ? "csv" : "txt") << false << csv;
        QTest::addRow("named pipe, %s", csv ? "csv" : "txt") << true << csv;
    }
}

void TestSaveFailures::devicesAndPipesAreWrittenDirectly() {
    QFETCH(bool, pipe);
    QFETCH(bool, csv);
    static int pipes = 0;
    const QString target = pipe ? files_.MakePipe(QStringLiteral("pipe %1").arg(++pipes))
                                : QStringLiteral("/dev/null");
    // A reader on the pipe, so that opening it to write does not wait.
    const int reader =
        pipe ? ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)
             : -1;
    QVERIFY(!pipe || reader >= 0);
    const QStringList before = Entries(files_.Path(QString()));

    dialogs_->saveAnswers = {target};
    Command(csv)->trigger();
    const QString warning = TakeWarning(*main_);
    QVERIFY2(warning.isEmpty(), qPrintable(warning));
    QVERIFY(main_->isEnabled());
    QVERIFY(pipe ? S_ISFIFO(ModeOf(target)) : S_ISCHR(ModeOf(target)));
    if (pipe) {
        const std::string expected =
            csv ? *vrd::CsvFileBytes(report_) : vrd::TextFileBytes(report_);
        std::string got(expected.size() + 16, '\0');
        const ssize_t read = ::read(reader, got.data(), got.size());
        QCOMPARE(read, static_cast<ssize_t>(expected.size()));
        got.resize(static_cast<std::size_t>(read));
        QCOMPARE(got, expected);
    }
    if (reader >= 0)
        ::close(reader);
    QCOMPARE(Entries(files_.Path(QString())), before);
}

VRD_GUI_TEST_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
