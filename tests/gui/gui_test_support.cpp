#include "tests/gui/gui_test_support.h"

#include "app/mdi_form_main.h"
#include "testkit/encoder.h"
#include "testkit/report_builder.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>

namespace {

const std::string kHyphens(39, '-');

std::string Time(int minuteOfDay) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02d:%02d", (minuteOfDay / 60) % 24, minuteOfDay % 60);
    return text.data();
}

void AppendSection(std::string& report, const char* header, int rows, int step,
                   const std::function<int(int)>& levelAt) {
    report += header;
    report += kHyphens + "\n";
    for (int row = 0; row < rows; ++row)
        report += LevelLine(row * step, std::max(levelAt(row * step), 30));
    report += "\n";
}

} // namespace

std::string LevelLine(int minuteOfDay, int level) {
    return vrd::test::LevelRecord(Time(minuteOfDay), std::to_string(level));
}

std::string GapLine(int minuteOfDay) {
    return vrd::test::GapRecord(Time(minuteOfDay));
}

std::string BuildReport(int minutes, const std::function<int(int)>& levelAt, int coveredMinutes) {
    std::string report = "Site Test\nSN 42\n";
    report += "1 minute Leq Log\n" + kHyphens + "\n";
    for (int minute = 0; minute < minutes; ++minute) {
        const int level = levelAt(minute);
        report += level < 0 ? GapLine(minute) : LevelLine(minute, level);
    }
    report += "\n";
    const int covered = coveredMinutes < 0 ? minutes : coveredMinutes;
    AppendSection(report, "5 minutes Leq Log\n", (covered + 4) / 5, 5, levelAt);
    AppendSection(report, "10 minutes Leq Log\n", (covered + 9) / 10, 10, levelAt);
    AppendSection(report, "1 hour Leq Log\n", (covered + 59) / 60, 60, levelAt);
    report += "Events Log\n" + kHyphens + "\n";
    report += "12/05/2011 - 07:58    Max > 103 dBA  duration 00:01\n\n";
    return report;
}

std::string EncodeReport(const std::string& report) {
    vrd::testkit::EncodeOptions options;
    options.table_order = vrd::testkit::TableOrder::kFirstSeen;
    return vrd::testkit::EncodeReport(report, options).vrd;
}

std::unique_ptr<MDIFormMain> StartMainWindow(FileDialogs& dialogs) {
    auto main =
        std::make_unique<MDIFormMain>(dialogs, StartUpOptions{std::chrono::milliseconds(0), {}});
    QSignalSpy started(main.get(), &MDIFormMain::startUpFinished);
    main->MDIForm_Load();
    if (!started.wait(5000))
        return nullptr;
    return main;
}

CoreOpen OpenWithCore(const QString& path, vrd::ReportKind kind) {
    CoreOpen open;
    vrd::BeginOpen(open.state, open.lists, QFile::encodeName(path).toStdString());
    open.lists.SetCaption(open.state.OpenedFileName);
    open.outcome = vrd::LoadAndParse(open.state, open.lists, kind);
    return open;
}

vrd::SharedReport Shared(const CoreOpen& open) {
    return std::make_shared<const vrd::OpenedReport>(
        vrd::OpenedReport{open.state, open.lists, open.outcome});
}

QString TestFiles::Write(const QString& name, const std::string& bytes) {
    const QString path = Path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        qFatal("cannot write a test file");
    return path;
}

QString TestFiles::Path(const QString& name) const {
    return dir_.filePath(name);
}

std::string TestFiles::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return file.readAll().toStdString();
}

QString TestFiles::MakePipe(const QString& name) {
    const QString path = Path(name);
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        qFatal("cannot make a named pipe");
    return path;
}

bool FeedPipe(const QString& path, const std::string& bytes, int timeoutMs) {
    // Opening without waiting fails until a reader has the pipe open.
    int fd = -1;
    const QByteArray name = QFile::encodeName(path);
    if (!QTest::qWaitFor(
            [&] {
                fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                return fd >= 0;
            },
            timeoutMs))
        return false;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno != EINTR)
            break;
        if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
    }
    ::close(fd);
    return done == bytes.size();
}

std::optional<QString> FakeFileDialogs::ChooseOpenPath(const QString& filter) {
    openCalls.append({QString(), filter});
    if (openAnswers.isEmpty())
        return std::nullopt;
    return openAnswers.takeFirst();
}

std::optional<QString> FakeFileDialogs::ChooseSavePath(const QString& presetName,
                                                       const QString& filter) {
    saveCalls.append({presetName, filter});
    if (saveAnswers.isEmpty())
        return std::nullopt;
    return saveAnswers.takeFirst();
}

std::optional<QString> FakeFileDialogs::ChooseOpenPathAmong(const QStringList& filters,
                                                            const QString& caption) {
    const std::optional<QString> path = ChooseOpenPath(filters.join(QStringLiteral(";;")));
    openCalls.last().caption = caption;
    return path;
}

std::optional<FileDialogs::ChosenPath>
FakeFileDialogs::ChooseSavePathAmong(const QString& presetName, const QStringList& filters,
                                     const QString& caption) {
    const int type = saveTypeAnswers.isEmpty() ? 0 : saveTypeAnswers.takeFirst();
    const std::optional<QString> path =
        ChooseSavePath(presetName, filters.join(QStringLiteral(";;")));
    saveCalls.last().caption = caption;
    if (!path)
        return std::nullopt;
    return ChosenPath{*path, type};
}

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString LabelText(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text()
                            : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

QString TakeWarning(QWidget& window) {
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("warning"));
    if (box == nullptr)
        return {};
    const QString text = box->text();
    delete box;
    return text;
}
