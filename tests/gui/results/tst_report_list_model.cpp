// The seven list models over one report: what they show, and how they change.

#include "tests/gui/gui_test_support.h"
#include "views/results/report_list_model.h"
#include "views/results/report_rows.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

int Level(int minute) {
    return 40 + (minute * 7) % 45;
}

struct Models {
    explicit Models(const ReportRows& rows) {
        for (const vrd::ListId list : vrd::kAllLists) {
            models.push_back(std::make_unique<ReportListModel>(rows, list));
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                models.back().get(), QAbstractItemModelTester::FailureReportingMode::QtTest));
        }
    }
    ReportListModel& operator[](vrd::ListId list) {
        return *models[static_cast<std::size_t>(list)];
    }

    std::vector<std::unique_ptr<ReportListModel>> models;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

} // namespace

class TestReportListModel final : public QObject {
    Q_OBJECT

  private slots:
    void showsTheRowsTheCoreMade_data();
    void showsTheRowsTheCoreMade();
    void showResetsEachListOnceAndABegunOpenEmptiesThem();
    void seedKeepsTheLabelsAndCaptionShown();

  private:
    TestFiles files_;
};

void TestReportListModel::showsTheRowsTheCoreMade_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("encoded");
    // A byte above 127 in the site name shows as its Latin-1 character.
    std::string report = BuildReport(180, Level);
    report.replace(0, 4, "Cit\xe9");
    QTest::newRow("vrd") << files_.Write(QStringLiteral("day.vrd"), EncodeReport(report)) << true;
    QTest::newRow("txt") << files_.Write(QStringLiteral("day.txt"), report) << false;
}

void TestReportListModel::showsTheRowsTheCoreMade() {
    QFETCH(QString, path);
    QFETCH(bool, encoded);
    const CoreOpen core =
        OpenWithCore(path, encoded ? vrd::ReportKind::Encoded : vrd::ReportKind::Plain);
    QVERIFY(!core.outcome.failure);

    ReportRows rows;
    Models models(rows);
    rows.Show(Shared(core));

    for (const vrd::ListId list : vrd::kAllLists) {
        ReportListModel& model = models[list];
        QCOMPARE(model.rowCount(), static_cast<int>(core.lists.RowCount(list)));
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(model.data(model.index(row)).toString(),
                     Latin1(std::string(core.lists.Row(core.state.DecodedReport, list,
                                                       static_cast<std::size_t>(row)))));
    }
    // The header first, the minutes, then the summary of four rows.
    ReportListModel& minutes = models[vrd::ListId::Leq1];
    QCOMPARE(minutes.data(minutes.index(0)).toString(), QStringLiteral("1 minute Leq Log"));
    QCOMPARE(minutes.rowCount(), 2 + 180 + 4);
    QCOMPARE(models[vrd::ListId::Leq8h].rowCount(), 0);
    QCOMPARE(rows.Label(vrd::LabelId::Name),
             QString(QStringLiteral("Cit") + QChar(0xe9) + QStringLiteral(" Test\n")));
    QCOMPARE(rows.Label(vrd::LabelId::Serial), QStringLiteral("SN 42\n"));
    QCOMPARE(rows.Caption(), path);
}

void TestReportListModel::showResetsEachListOnceAndABegunOpenEmptiesThem() {
    const QString path = files_.Write(QStringLiteral("reset.txt"), BuildReport(30, Level));
    const CoreOpen core = OpenWithCore(path, vrd::ReportKind::Plain);
    ReportRows rows;
    Models models(rows);
    std::vector<std::unique_ptr<QSignalSpy>> resets;
    for (const auto& model : models.models)
        resets.push_back(
            std::make_unique<QSignalSpy>(model.get(), &QAbstractItemModel::modelReset));

    rows.Show(Shared(core));
    for (const auto& spy : resets)
        QCOMPARE(spy->count(), 1);

    // The next open begins with its lists cleared: each list is reset once more, and empty.
    rows.Show(std::make_shared<const vrd::OpenedReport>(
        vrd::BeganOpen(*rows.Shown(), rows.Shown()->window, "/data/next.txt")));
    for (const vrd::ListId list : vrd::kAllLists)
        QCOMPARE(models[list].rowCount(), 0);
    for (const auto& spy : resets)
        QCOMPARE(spy->count(), 2);
}

void TestReportListModel::seedKeepsTheLabelsAndCaptionShown() {
    ReportRows rows;
    QCOMPARE(rows.Label(vrd::LabelId::Name), QStringLiteral("name"));
    QCOMPARE(rows.Label(vrd::LabelId::Serial), QStringLiteral("serial"));
    auto shown = std::make_shared<vrd::OpenedReport>();
    shown->window.SetLabel(vrd::LabelId::Name, "North gate\n");
    shown->window.SetCaption("/data/north.vrd");
    rows.Show(shown);
    // An open begins with the labels shown, under its own path.
    const vrd::OpenedReport began =
        vrd::BeganOpen(vrd::OpenedReport{}, rows.Shown()->window, "/data/south.vrd");
    QCOMPARE(began.window.Label(vrd::LabelId::Name), std::string("North gate\n"));
    QCOMPARE(began.window.Label(vrd::LabelId::Serial), std::string("serial"));
    QCOMPARE(began.window.Caption(), std::string("/data/south.vrd"));
    for (const vrd::ListId list : vrd::kAllLists)
        QCOMPARE(began.window.RowCount(list), std::size_t{0});
}

VRD_GUI_TEST_MAIN(TestReportListModel)
#include "tst_report_list_model.moc"
