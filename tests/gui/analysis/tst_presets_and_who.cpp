// The settings' preset list and WHO source: a preset sets the periods and penalties and names the
// combined level, a change by hand makes them Custom; the WHO source marks the days above its
// guidelines, and the statistics of a selection give what vrdtool stats --who gives over the
// same minutes.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "tools/vrdtool/stats_command.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/settings/analysis_settings_tab.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/texts/analysis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSpinBox>
#include <QTest>

#include <sstream>

namespace {

// Chooses the row of box named text as the user does.
bool Choose(QComboBox& box, const QString& text) {
    const int row = box.findText(text);
    box.setCurrentIndex(row);
    emit box.activated(row);
    return row >= 0;
}

AnalysisSettingsTab& SettingsOf(frmAnalysis& window) {
    return *window.findChild<AnalysisSettingsTab*>();
}

// The day, evening and night hours and the two penalties the boxes show.
QList<double> Boxes(frmAnalysis& window) {
    QList<double> shown;
    for (const char* hour : {"DayStart", "EveningStart", "NightStart"})
        shown.append(window.findChild<QSpinBox*>(QLatin1String(hour))->value());
    for (const char* penalty : {"EveningPenalty", "NightPenalty"})
        shown.append(window.findChild<QDoubleSpinBox*>(QLatin1String(penalty))->value());
    return shown;
}

QString Header(const frmAnalysis& window, int column) {
    return window.Days()->headerData(column, Qt::Horizontal).toString();
}

// A quiet day up to 13/05 07:00, then a loud one up to 14/05 00:00, as a file in files.
std::string QuietThenLoud(TestFiles& files) {
    const QString path =
        files.Write(QStringLiteral("quiet then loud.txt"),
                    DatedReport(2 * 1440, [](int i) { return i < 31 * 60 ? 38 : 70; }));
    return QFile::encodeName(path).toStdString();
}

} // namespace

class TestPresetsAndWho final : public QObject {
    Q_OBJECT

  private slots:
    void aPresetSetsThePeriodsUntilOneIsChangedByHand();
    void theWhoSourceMarksTheDaysAboveItsGuidelines();
    void theStatisticsCompareTheSelectionAsVrdtoolDoes();
};

void TestPresetsAndWho::aPresetSetsThePeriodsUntilOneIsChangedByHand() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    QComboBox& presets = *SettingsOf(window).PresetBox();
    // The European periods by default, as vrdtool takes them.
    QCOMPARE(presets.currentText(), QStringLiteral("EU"));

    QVERIFY(Choose(presets, QStringLiteral("France")));
    QCOMPARE(Boxes(window), (QList<double>{6, 18, 22, 5, 10}));
    QCOMPARE(window.Session().Settings().periods.day, 6);
    // The threshold box applies every box again: the preset stays.
    window.findChild<QCheckBox*>(QStringLiteral("ThresholdOn"))->setChecked(true);
    QCOMPARE(presets.currentText(), QStringLiteral("France"));

    // The combined level as each preset calls it.
    QVERIFY(Choose(presets, QStringLiteral("US CNEL")));
    QCOMPARE(Header(window, DaysTableModel::Lden), QStringLiteral("CNEL (dB)"));
    QVERIFY(Choose(presets, QStringLiteral("UK")));
    QCOMPARE(Boxes(window), (QList<double>{7, 23, 23, 0, 0}));
    QCOMPARE(Header(window, DaysTableModel::Lden), QStringLiteral("LAeq,24h (dB)"));

    // An hour or a penalty changed by hand: Custom, with those periods and their Lden.
    window.findChild<QSpinBox*>(QStringLiteral("EveningStart"))->setValue(20);
    QCOMPARE(presets.currentText(), QStringLiteral("Custom"));
    QCOMPARE(window.Session().Settings().preset, std::string());
    QCOMPARE(window.Session().Settings().periods.evening, 20);
    QCOMPARE(Header(window, DaysTableModel::Lden), QStringLiteral("Lden (dB)"));
    QVERIFY(Choose(presets, QStringLiteral("EU")));
    window.findChild<QDoubleSpinBox*>(QStringLiteral("NightPenalty"))->setValue(8);
    QCOMPARE(presets.currentText(), QStringLiteral("Custom"));
}

void TestPresetsAndWho::theWhoSourceMarksTheDaysAboveItsGuidelines() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({QuietThenLoud(files), false})});
    const DaysTableModel& days = *window.Days();
    QCOMPARE(days.rowCount(), 3); // 11/05 (its night alone), 12/05 quiet, 13/05 loud
    // Marked: a shade other than that of too little data, which the loud day's night (cut at
    // 00:00) has.
    const QVariant low = days.index(2, DaysTableModel::CoverageNight).data(Qt::BackgroundRole);
    const auto marked = [&days, &low](int row, int column) {
        const QVariant shade = days.index(row, column).data(Qt::BackgroundRole);
        return shade.isValid() && shade != low;
    };

    QComboBox& who = *SettingsOf(window).WhoBox();
    QVERIFY(Choose(who, QStringLiteral("Road traffic")));
    QCOMPARE(Header(window, DaysTableModel::Lden), QStringLiteral("Lden (dB, WHO 53)"));
    QCOMPARE(Header(window, DaysTableModel::Lnight), QStringLiteral("Lnight (dB, WHO 45)"));
    QVERIFY(!marked(1, DaysTableModel::Lden) && !marked(1, DaysTableModel::Lnight));
    QVERIFY(marked(2, DaysTableModel::Lden) && marked(2, DaysTableModel::Lnight));
    QVERIFY(!marked(2, DaysTableModel::Lday));
    // Above the guideline and on too little data: the tooltip says both.
    const QString tip = days.index(2, DaysTableModel::Lden).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(QStringLiteral("Above the WHO guideline for road traffic (53 dB)")) &&
                 tip.contains(QStringLiteral("too little data")),
             qPrintable(tip));

    // Wind turbines have no Lnight guideline.
    QVERIFY(Choose(who, QStringLiteral("Wind turbines")));
    QCOMPARE(Header(window, DaysTableModel::Lnight), QStringLiteral("Lnight (dB)"));
    QVERIFY(marked(2, DaysTableModel::Lden) && !marked(2, DaysTableModel::Lnight));
    QVERIFY(Choose(who, QStringLiteral("None")));
    QVERIFY(!marked(2, DaysTableModel::Lden));
    // A source set elsewhere (an analysis file) shows in the box.
    window.Session().SetWhoSource(vrd::WhoSource::Aircraft);
    QCOMPARE(who.currentText(), QStringLiteral("Aircraft"));
}

void TestPresetsAndWho::theStatisticsCompareTheSelectionAsVrdtoolDoes() {
    TestFiles files;
    const std::string path = QuietThenLoud(files);
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports({vrd::OpenReportForAnalysis({path, false})});
    const StatisticsModel& statistics = *window.Statistics();
    const int plain = statistics.rowCount();

    // A selection across both days, and the whole period (which the analysis has already) under
    // a preset with another name for its combined level and without an Lnight guideline.
    struct Case {
        const char* preset;
        const char* who;
        const char* combined;
        const char* from;
        const char* to;
    } const cases[] = {{"eu", "road", "Lden", "2011-05-12T12:00", "2011-05-13T20:00"},
                       {"us-ldn", "wind", "Ldn", nullptr, nullptr}};
    for (const Case& at : cases) {
        QVERIFY(session.SetPreset(at.preset));
        session.SetWhoSource(vrd::WhoSourceNamed(at.who));
        vrd::StatsArguments stats;
        stats.files = {path};
        stats.preset = at.preset;
        stats.who = at.who;
        stats.json = true;
        if (at.from) {
            stats.from = at.from;
            stats.to = at.to;
        }
        QVERIFY(session.Select(
            at.from ? vrd::Interval{*vrd::ParseMinute(at.from), *vrd::ParseMinute(at.to)}
                    : session.AnalysedPeriod()));
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(vrd::RunStats(stats, out, err), 0);
        const QJsonObject json =
            QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
        const QJsonObject who = json.value(QStringLiteral("who")).toObject();
        const auto shown = [&](const QString& name, const QJsonValue& value, bool excess) {
            const QString expected = value.isNull() ? QString()
                                     : excess ? SignedLevelText(value.toDouble(), Language::English)
                                              : LevelText(value.toDouble(), Language::English);
            return statistics.Value(name) == expected;
        };
        const QString combined = QLatin1String(at.combined);
        QCOMPARE(statistics.rowCount(), plain + 7);
        QVERIFY(shown(combined, json.value(QStringLiteral("lden")), false));
        QVERIFY(shown(combined + QStringLiteral(" − WHO guideline"),
                      who.value(QStringLiteral("lden_excess")), true));
        QVERIFY(shown(QStringLiteral("Lnight"), json.value(QStringLiteral("lnight")), false));
        QVERIFY(shown(QStringLiteral("Lnight − WHO guideline"),
                      who.value(QStringLiteral("lnight_excess")), true));
        QVERIFY(!statistics.Value(combined).isEmpty());
    }
    QCOMPARE(statistics.Value(QStringLiteral("Ldn WHO guideline")), QStringLiteral("45"));
    QCOMPARE(statistics.Value(QStringLiteral("Lnight WHO guideline")), QStringLiteral("none"));

    session.SetWhoSource(std::nullopt);
    QCOMPARE(statistics.rowCount(), plain);
}

QTEST_MAIN(TestPresetsAndWho)
#include "tst_presets_and_who.moc"
