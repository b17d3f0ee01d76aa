// The settings' preset list: a preset sets the periods and penalties and names the combined
// level, a change by hand makes them Custom.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/analysis_settings_tab.h"
#include "views/analysis/analysis_table_models.h"
#include "views/analysis/frm_analysis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTest>

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

} // namespace

class TestPresetsAndWho final : public QObject {
    Q_OBJECT

  private slots:
    void aPresetSetsThePeriodsUntilOneIsChangedByHand();
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

QTEST_MAIN(TestPresetsAndWho)
#include "tst_presets_and_who.moc"
