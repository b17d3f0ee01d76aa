#include "views/results/frm_array.h"

#include "report/click_coupling.h"
#include "views/common/design_fonts.h"
#include "views/common/twips.h"
#include "views/results/find_bar.h"
#include "views/results/list_copy.h"
#include "views/results/minute_find.h"
#include "views/results/report_list_model.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListView>

namespace {

std::size_t Index(vrd::ListId list) {
    return static_cast<std::size_t>(list);
}

struct ListDesign {
    vrd::ListId list;
    QRect geometry;
};

// In the order of the designed tab order: the 10-minute list comes first.
const std::array<ListDesign, vrd::kListCount>& ListDesigns() {
    static const std::array<ListDesign, vrd::kListCount> designs = {{
        {vrd::ListId::Leq10, TwipRect(5160, 120, 4455, 3900)},
        {vrd::ListId::Leq1, TwipRect(360, 120, 4455, 3900)},
        {vrd::ListId::Leq5, TwipRect(360, 4320, 4455, 3900)},
        {vrd::ListId::Leq1h, TwipRect(5160, 4320, 4455, 3900)},
        {vrd::ListId::Leq8h, TwipRect(9960, 120, 4455, 2460)},
        {vrd::ListId::Leq16h, TwipRect(9960, 3000, 4455, 2460)},
        {vrd::ListId::Event, TwipRect(9960, 5760, 4455, 2460)},
    }};
    return designs;
}

constexpr double kListPoints = 9.75;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(DesignFont(DesignFamily::MsSansSerif, kListPoints, {bold, false}));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A label shows its line without the line end the report gave it.
QString WithoutLineEnd(QString text) {
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

} // namespace

frmArray::frmArray(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmArray"));
    setWindowTitle(QStringLiteral("VELMAR Decryption software "));
    setFixedSize(TwipSize(14715, 8925));
    setAutoFillBackground(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(0, 0, Px(14760), 1);
    line->setAutoFillBackground(true);
    QPalette workspace = line->palette();
    workspace.setColor(QPalette::Window, palette().color(QPalette::Dark));
    line->setPalette(workspace);

    BuildLists();
    BuildLabels();
    BuildFind();
    connect(&rows_, &ReportRows::captionChanged, this, &QWidget::setWindowTitle);
    connect(&rows_, &ReportRows::labelsChanged, this, &frmArray::ShowLabels);
}

void frmArray::BuildLists() {
    QWidget* previous = nullptr;
    for (const ListDesign& design : ListDesigns()) {
        auto* model = new ReportListModel(rows_, design.list, this);
        auto* view = new QListView(this);
        view->setObjectName(QLatin1String(vrd::ListName(design.list)));
        view->setGeometry(design.geometry);
        view->setFont(DesignFont(DesignFamily::MsSansSerif, kListPoints));
        // Every row is one line of the same font: fixed heights keep long lists fast. A year of
        // minutes is laid out in batches between events, so the window stays responsive.
        view->setUniformItemSizes(true);
        view->setLayoutMode(QListView::Batched);
        view->setBatchSize(20000);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Several rows at a time, for copying; the coupling follows the current row.
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setTextElideMode(Qt::ElideNone);
        view->setModel(model);
        AddCopyActions(*view);
        models_[Index(design.list)] = model;
        lists_[Index(design.list)] = view;
        if (previous != nullptr)
            setTabOrder(previous, view);
        previous = view;
    }
    QListView* minutes = lists_[Index(vrd::ListId::Leq1)];
    // A click on the chosen row again couples again, as the user may have moved the others.
    connect(minutes, &QListView::clicked, this, &frmArray::List_Leq1_Click);
    connect(minutes->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmArray::List_Leq1_Click);
}

void frmArray::BuildLabels() {
    MakeLabel(this, "Label1", QStringLiteral("Site and Location :"),
              TwipRect(1200, 8520, 1935, 255), true);
    Label_Name = MakeLabel(this, "Label_Name", QStringLiteral("name"),
                           TwipRect(3240, 8520, 5295, 255), false);
    MakeLabel(this, "Label2", QStringLiteral("Serial Number :"), TwipRect(8880, 8520, 1695, 375),
              true);
    Label_Serial = MakeLabel(this, "Label_Serial", QStringLiteral("serial"),
                             TwipRect(10560, 8520, 2415, 255), false);
}

void frmArray::ShowLabels() {
    Label_Name->setText(WithoutLineEnd(rows_.Label(vrd::LabelId::Name)));
    Label_Serial->setText(WithoutLineEnd(rows_.Label(vrd::LabelId::Serial)));
}

QListView* frmArray::List(vrd::ListId list) const {
    return lists_[Index(list)];
}

int frmArray::SelectedRow(vrd::ListId list) const {
    const QModelIndex current = List(list)->currentIndex();
    if (!current.isValid() || !List(list)->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void frmArray::SelectRow(vrd::ListId list, int row) {
    // Whatever keys are held: a Shift+click on the 1-minute list must not extend the selection of
    // the lists that follow it.
    QListView* view = List(list);
    view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect);
}

void frmArray::BuildFind() {
    findBar_ = new FindBar(this);
    findBar_->setGeometry(TwipRect(360, 8340, 14055, 480));
    findBar_->hide();
    connect(findBar_, &FindBar::findRequested, this, &frmArray::FindMinute);
    connect(findBar_, &FindBar::closed, this, [this] { List(vrd::ListId::Leq1)->setFocus(); });

    auto* find = new QAction(QStringLiteral("Find date/time..."), this);
    find->setObjectName(QStringLiteral("FindMinute"));
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, &frmArray::OpenFind);
    auto* findNext = new QAction(QStringLiteral("Find next"), this);
    findNext->setObjectName(QStringLiteral("FindNextMinute"));
    findNext->setShortcut(QKeySequence::FindNext);
    findNext->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(findNext, &QAction::triggered, this, [this] {
        if (findBar_->Text().isEmpty())
            OpenFind();
        else
            FindMinute(findBar_->Text());
    });
    addAction(find);
    addAction(findNext);
    for (QListView* view : lists_) {
        auto* separator = new QAction(view);
        separator->setSeparator(true);
        view->addAction(separator);
        view->addAction(find);
    }
}

void frmArray::OpenFind() {
    findBar_->Open();
}

bool frmArray::FindMinute(const QString& text) {
    findBar_->SetText(text);
    const std::optional<MinuteQuery> query = ParseMinuteQuery(text);
    if (!query) {
        findBar_->SetStatus(QStringLiteral("Type a date (dd/mm/yyyy), a time (hh:mm) or both."),
                            true);
        return false;
    }
    const int current = List(vrd::ListId::Leq1)->currentIndex().row();
    const bool again = text == lastFind_ && current >= 0 && current == lastFound_;
    const int start = current < 0 ? 0 : current + (again ? 1 : 0);
    const int row = FindMinuteRow(rows_, vrd::ListId::Leq1, *query, start);
    if (row < 0) {
        findBar_->SetStatus(QStringLiteral("Not found: ") % text.trimmed(), true);
        return false;
    }
    lastFind_ = text;
    lastFound_ = row;
    findBar_->SetStatus(row < start ? QStringLiteral("Went on from the top.") : QString(), false);

    QListView* minutes = List(vrd::ListId::Leq1);
    SelectRow(vrd::ListId::Leq1, row);
    minutes->scrollTo(minutes->currentIndex(), QAbstractItemView::PositionAtCenter);
    // The same row again changes no current row: couple as a click on it does.
    if (row == current)
        List_Leq1_Click();
    return true;
}

void frmArray::List_Leq1_Click() {
    const std::optional<vrd::CoupledRows> rows =
        vrd::CoupledRowsFor(SelectedRow(vrd::ListId::Leq1));
    if (!rows)
        return;
    // A row past the end of a list (after a click on the summary below the minutes) covers no
    // row there: the list shows no selection rather than an old one of an unrelated time.
    const auto couple = [this](vrd::ListId list, std::int32_t row) {
        if (row < List(list)->model()->rowCount())
            SelectRow(list, row);
        else
            List(list)->selectionModel()->clear();
    };
    couple(vrd::ListId::Leq5, rows->leq5);
    couple(vrd::ListId::Leq10, rows->leq10);
    couple(vrd::ListId::Leq1h, rows->leq1h);
}
