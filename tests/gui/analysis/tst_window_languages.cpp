// The analysis window in French: every text it shows (labels, buttons, group titles, tabs, table
// headers, placeholders, tooltips, the chart's axis and legend) differs from its English but for
// the few that French writes alike; a change of language re-sets them all, as a window built in
// that language shows them; numbers and dates are written the French way; the settings tab
// chooses the window's and the report's language.

#include "app/analysis_window.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/settings/analysis_settings_tab.h"
#include "views/analysis/window/frm_analysis.h"

#include <QAbstractButton>
#include <QChart>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QValueAxis>

namespace {

const QString kSample = QStringLiteral(VRD_SAMPLES_DIR "/sample.vrd");

// Every text of window, keyed by the widget's place among the window's widgets and what it is.
using Texts = QMap<QString, QString>;

Texts TextsOf(frmAnalysis& window) {
    Texts texts;
    int place = 0;
    const auto add = [&](const QString& what, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts.insert(QString::number(place) + QLatin1Char(' ') + what, text);
    };
    add(QStringLiteral("title"), window.windowTitle());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        ++place;
        const QString kind = QLatin1String(widget->metaObject()->className());
        add(kind + QStringLiteral(" tooltip"), widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(kind, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(kind, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(kind, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            add(kind + QStringLiteral(" placeholder"), edit->placeholderText());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(kind + QStringLiteral(" tab ") + QString::number(i), tabs->tabText(i));
        if (auto* box = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < box->count(); ++i)
                add(kind + QStringLiteral(" item ") + QString::number(i), box->itemText(i));
        if (auto* table = qobject_cast<QTableView*>(widget)) {
            const QAbstractItemModel& model = *table->model();
            for (int column = 0; column < model.columnCount(); ++column)
                if (!table->horizontalHeader()->isHidden())
                    add(kind + QStringLiteral(" header ") + QString::number(column),
                        model.headerData(column, Qt::Horizontal).toString());
            // The statistics name their rows in their first column.
            if (model.columnCount() == 2)
                for (int row = 0; row < model.rowCount(); ++row)
                    add(kind + QStringLiteral(" row ") + QString::number(row),
                        model.index(row, 0).data().toString());
        }
    }
    QChart& chart = *window.Chart()->Chart();
    for (QAbstractAxis* axis : chart.axes())
        add(QStringLiteral("axis title"), axis->titleText());
    int marker = 0;
    for (QLegendMarker* entry : chart.legend()->markers())
        if (entry->isVisible())
            add(QStringLiteral("legend ") + QString::number(marker++), entry->label());
    return texts;
}

// The texts that two walks found apart, a line each: "key: first | second".
QString Differences(const Texts& first, const Texts& second) {
    QStringList apart;
    for (const QString& key : first.keys() + second.keys())
        if (first.value(key) != second.value(key) && !apart.contains(key))
            apart << key + QStringLiteral(": ") + first.value(key) + QStringLiteral(" | ") +
                         second.value(key);
    return apart.join(QLatin1Char('\n'));
}

// What French writes as English does: the indicators, units, numbers, the languages' names and
// France.
bool SameInFrench(const QString& text) {
    static const QRegularExpression alike(QStringLiteral(
        "^(L(eq|max|min|day|evening|night|den|\\d+)( \\(dB\\)| 1 min)?|\\d+\\W+min|Date|Minutes|"
        "Mode \\(dB\\)|English|Français|France)$"));
    return alike.match(text).hasMatch();
}

void ShowIn(Language language) {
    SetWindowLanguage(language);
    // The windows hear of it through posted events, and the chart's legend lays its entries out
    // on more of them.
    QCoreApplication::processEvents();
    QTest::qWait(20);
}

std::unique_ptr<frmAnalysis> SampleWindow() {
    auto window = std::make_unique<frmAnalysis>();
    window->Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    window->Session().SetThreshold(65);
    // The WHO rows and headers shown too.
    window->Session().SetWhoSource(vrd::WhoSource::Road);
    window->show();
    return window;
}

} // namespace

class TestWindowLanguages final : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { ShowIn(Language::English); }
    void noTextIsLeftInEnglish();
    void numbersDatesAndMessagesAreFrench();
    void theSettingsChooseTheLanguages();
    void theFileDialogsAskInFrench();
};

void TestWindowLanguages::noTextIsLeftInEnglish() {
    ShowIn(Language::English);
    const std::unique_ptr<frmAnalysis> window = SampleWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const Texts english = TextsOf(*window);
    QVERIFY(english.size() > 60);

    ShowIn(Language::French);
    const Texts french = TextsOf(*window);
    QStringList apart;
    for (const QString& key : english.keys() + french.keys())
        if (english.contains(key) != french.contains(key))
            apart << key + QStringLiteral(": ") + english.value(key) + french.value(key);
    QVERIFY2(apart.isEmpty(), qPrintable(apart.join(QLatin1Char('\n'))));
    QStringList untranslated;
    for (auto text = english.cbegin(); text != english.cend(); ++text)
        if (french.value(text.key()) == text.value() && !SameInFrench(text.value()))
            untranslated << text.key() + QStringLiteral(": ") + text.value();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

    // A window made in French shows what the change of language gave, once its chart's legend
    // has laid its entries out.
    const std::unique_ptr<frmAnalysis> madeInFrench = SampleWindow();
    QVERIFY(QTest::qWaitForWindowExposed(madeInFrench.get()));
    QTRY_VERIFY2(TextsOf(*madeInFrench) == french,
                 qPrintable(Differences(TextsOf(*madeInFrench), french)));

    // And back: the English as it was.
    ShowIn(Language::English);
    QTRY_VERIFY2(TextsOf(*window) == english, qPrintable(Differences(TextsOf(*window), english)));
}

void TestWindowLanguages::numbersDatesAndMessagesAreFrench() {
    ShowIn(Language::French);
    const std::unique_ptr<frmAnalysis> window = SampleWindow();
    QCOMPARE(window->FromEdit()->text(), QStringLiteral("12/05/2011 00:00"));
    const QAbstractItemModel& days = *window->DaysView()->model();
    QCOMPARE(days.index(1, DaysTableModel::Date).data().toString(), QStringLiteral("12/05/2011"));
    QVERIFY2(days.index(1, DaysTableModel::Lden).data().toString().contains(QLatin1Char(',')),
             qPrintable(days.index(1, DaysTableModel::Lden).data().toString()));
    // A period on too little data says so in French.
    QVERIFY(days.index(0, DaysTableModel::CoverageDay)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("trop peu de données")));
    QVERIFY(window->Statistics()->Value(QStringLiteral("Leq")).contains(QLatin1Char(',')));

    // The French way of writing a minute is read back, and a mistake is told in French.
    window->FromEdit()->setText(QStringLiteral("12/05/2011 14:00"));
    window->ToEdit()->setText(QStringLiteral("12/05/2011 15:00"));
    QVERIFY(window->SelectTyped());
    QCOMPARE(window->Session().Selection().from, *vrd::ParseMinute("2011-05-12T14:00"));
    window->ToEdit()->setText(QStringLiteral("demain"));
    QVERIFY(!window->SelectTyped());
    const QString warning = TakeWarning(*window);
    QVERIFY2(warning.startsWith(QStringLiteral("La sélection")), qPrintable(warning));
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Analyse")));
}

void TestWindowLanguages::theSettingsChooseTheLanguages() {
    ShowIn(Language::English);
    const std::unique_ptr<frmAnalysis> window = SampleWindow();
    auto* settings = window->findChild<AnalysisSettingsTab*>();
    QVERIFY(settings != nullptr);
    QComboBox& windowBox = *settings->WindowLanguageBox();
    QComboBox& reportBox = *settings->ReportLanguageBox();
    const auto choose = [](QComboBox& box, int row) {
        box.setCurrentIndex(row);
        emit box.activated(row);
    };

    choose(windowBox, 2);
    QCoreApplication::processEvents();
    QCOMPARE(WindowLanguage(), Language::French);
    QCOMPARE(window->ReportLanguage(), Language::French);
    QCOMPARE(windowBox.itemText(0), QStringLiteral("Langue du système"));
    QCOMPARE(windowBox.currentIndex(), 2);

    choose(reportBox, 1);
    QCOMPARE(window->ReportLanguage(), Language::English);
    choose(reportBox, 0);
    QCOMPARE(window->ReportLanguage(), Language::French);

    choose(windowBox, 0);
    QCoreApplication::processEvents();
    QCOMPARE(WindowLanguage(), SystemLanguage());
}

void TestWindowLanguages::theFileDialogsAskInFrench() {
    ShowIn(Language::French);
    const std::unique_ptr<frmAnalysis> window = SampleWindow();
    FakeFileDialogs dialogs;
    UseFileDialogs(*window, dialogs);
    QVERIFY(!window->SaveReportAsPdf());
    QVERIFY(!window->AddFile());
    QVERIFY(!window->SaveTables());
    QCOMPARE(dialogs.saveCalls.size(), 2);
    QCOMPARE(dialogs.saveCalls[0].caption, QStringLiteral("Enregistrer le rapport en PDF"));
    QCOMPARE(dialogs.saveCalls[0].filter, QStringLiteral("Document PDF (*.pdf)|*.pdf"));
    QCOMPARE(dialogs.saveCalls[0].preset, QStringLiteral("sample analyse.pdf"));
    QCOMPARE(dialogs.saveCalls[1].filter,
             QStringLiteral("Classeur Excel (*.xlsx)|*.xlsx;;Valeurs séparées par des virgules "
                            "(*.csv)|*.csv"));
    QCOMPARE(dialogs.openCalls.size(), 1);
    QCOMPARE(dialogs.openCalls[0].caption, QStringLiteral("Ajouter un fichier"));
    QVERIFY(dialogs.openCalls[0].filter.startsWith(
        QStringLiteral("Relevés et exports de niveaux (*.vrd *.txt *.csv)")));
}

VRD_GUI_TEST_MAIN(TestWindowLanguages)
#include "tst_window_languages.moc"
