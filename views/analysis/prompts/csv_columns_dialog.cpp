#include "views/analysis/prompts/csv_columns_dialog.h"

#include "views/common/language.h"
#include "views/texts/analysis_text.h"
#include "views/texts/csv_refusal_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The data of a box's entry: the column from 0, or -1 for none.
constexpr int kNone = -1;

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every header, those of candidates first (the best first), each with its column.
void FillColumns(QComboBox& box, const std::vector<std::string>& headers,
                 const std::vector<int>& candidates, bool withNone, int current) {
    box.clear();
    if (withNone)
        box.addItem(CsvColumnsDialog::tr("none"), kNone);
    std::vector<int> order = candidates;
    for (int column = 0; column < static_cast<int>(headers.size()); ++column)
        if (std::find(order.begin(), order.end(), column) == order.end())
            order.push_back(column);
    for (const int column : order)
        if (column >= 0 && static_cast<std::size_t>(column) < headers.size())
            box.addItem(CsvColumnsDialog::tr("%1 (column %2)")
                            .arg(Utf8(headers[static_cast<std::size_t>(column)]))
                            .arg(column + 1),
                        column);
    const int at = box.findData(current);
    box.setCurrentIndex(at >= 0 ? at : 0);
}

// The column of a box's entry as a choice by header, or by number where two share the header.
vrd::CsvColumnChoice ChoiceOf(const QComboBox& box, const std::vector<std::string>& headers) {
    vrd::CsvColumnChoice choice;
    const int column = box.currentData().isValid() ? box.currentData().toInt() : kNone;
    if (column == kNone) {
        choice.by = vrd::CsvColumnChoice::By::None;
        return choice;
    }
    const auto index = static_cast<std::size_t>(column);
    if (index >= headers.size())
        return choice;
    const bool shared = std::count(headers.begin(), headers.end(), headers[index]) > 1;
    if (shared || headers[index].empty()) {
        choice.by = vrd::CsvColumnChoice::By::Number;
        choice.number = column + 1;
    } else {
        choice.by = vrd::CsvColumnChoice::By::Name;
        choice.name = headers[index];
    }
    return choice;
}

} // namespace

CsvColumnsDialog::CsvColumnsDialog(const QString& path, std::string firstBytes, bool whole,
                                   const vrd::CsvReadOptions& start, QWidget* parent)
    : QDialog(parent), path_(path), bytes_(std::move(firstBytes)), whole_(whole) {
    setObjectName(QStringLiteral("csvColumnsDialog"));
    setWindowTitle(tr("Columns of \"%1\"").arg(QFileInfo(path).fileName()));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("The columns found in this export of levels: confirm them or choose others."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    time_ = new QComboBox(this);
    clock_ = new QComboBox(this);
    level_ = new QComboBox(this);
    l90_ = new QComboBox(this);
    stamp_ = new QComboBox(this);
    stamp_->addItem(tr("the start of its sample"), static_cast<int>(vrd::CsvStamp::Start));
    stamp_->addItem(tr("the end of its sample"), static_cast<int>(vrd::CsvStamp::End));
    step_ = new QLabel(this);
    form->addRow(tr("Date and time, or date"), time_);
    form->addRow(tr("Clock time"), clock_);
    form->addRow(tr("Level (LAeq)"), level_);
    form->addRow(tr("LA90"), l90_);
    form->addRow(tr("A row's time is"), stamp_);
    form->addRow(tr("Step found"), step_);
    layout->addLayout(form);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("csvRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: darkred"));
    layout->addWidget(refusal_);
    model_ = new QStandardItemModel(this);
    rows_ = new QTableView(this);
    rows_->setModel(model_);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->verticalHeader()->setVisible(false);
    layout->addWidget(rows_, 1);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);
    for (QComboBox* box : {time_, clock_, level_, l90_, stamp_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_)
                Follow();
        });
    Detect(start);
    FillBoxes(start);
    resize(640, 520);
}

void CsvColumnsDialog::Detect(const vrd::CsvReadOptions& options) {
    const std::string name = path_.toStdString();
    detection_ = vrd::DetectLevelsCsv(bytes_, name, options, whole_);
    refusal_->setText(Refusal());
    refusal_->setVisible(detection_.refusal.has_value());
    const Language language = WindowLanguage();
    step_->setText(detection_.step ? StepText(*detection_.step, language) : tr("not found"));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!detection_.refusal);

    model_->clear();
    const std::vector<std::string>& headers = detection_.layout.headers;
    QStringList labels;
    for (const std::string& header : headers)
        labels << Utf8(header);
    model_->setHorizontalHeaderLabels(labels);
    for (const vrd::CsvPreviewRow& row : detection_.firstRows) {
        QList<QStandardItem*> items;
        for (const std::string& field : row.fields)
            items << new QStandardItem(Utf8(field));
        model_->appendRow(items);
    }
}

void CsvColumnsDialog::FillBoxes(const vrd::CsvReadOptions& asked) {
    filling_ = true;
    const vrd::CsvLayout& layout = detection_.layout;
    const vrd::CsvColumns& columns = layout.columns;
    FillColumns(*time_, layout.headers, {columns.time}, false, columns.time);
    FillColumns(*clock_, layout.headers, {columns.clock}, true, columns.clock);
    FillColumns(*level_, layout.headers, layout.levelCandidates, false, columns.level);
    FillColumns(*l90_, layout.headers, layout.l90Candidates, true, columns.l90);
    // A choice that refused keeps its box where the user left it.
    if (columns.level < 0 && !layout.levelCandidates.empty())
        level_->setCurrentIndex(level_->findData(layout.levelCandidates.front()));
    stamp_->setCurrentIndex(asked.stamp == vrd::CsvStamp::End ? 1 : 0);
    filling_ = false;
}

vrd::CsvReadOptions CsvColumnsDialog::Options() const {
    const std::vector<std::string>& headers = detection_.layout.headers;
    vrd::CsvReadOptions options;
    options.time = ChoiceOf(*time_, headers);
    if (options.time.by == vrd::CsvColumnChoice::By::None)
        options.time = {};
    // A clock time apart is chosen with its date; none is the time in one field.
    options.clock = ChoiceOf(*clock_, headers);
    if (options.clock.by == vrd::CsvColumnChoice::By::None)
        options.clock = {};
    options.level = ChoiceOf(*level_, headers);
    if (options.level.by == vrd::CsvColumnChoice::By::None)
        options.level = {};
    options.l90 = ChoiceOf(*l90_, headers);
    options.stamp = stamp_->currentData().toInt() == 1 ? vrd::CsvStamp::End : vrd::CsvStamp::Start;
    return options;
}

QString CsvColumnsDialog::Refusal() const {
    if (!detection_.refusal)
        return {};
    return tr("\"%1\": %2.").arg(path_, CsvRefusalText(*detection_.refusal, WindowLanguage()));
}

// A box changed: the file is looked at again with the choice, the boxes as the user set them.
void CsvColumnsDialog::Follow() {
    const vrd::CsvReadOptions options = Options();
    const int time = time_->currentIndex();
    const int clock = clock_->currentIndex();
    const int level = level_->currentIndex();
    const int l90 = l90_->currentIndex();
    Detect(options);
    filling_ = true;
    FillBoxes(options);
    time_->setCurrentIndex(time);
    clock_->setCurrentIndex(clock);
    level_->setCurrentIndex(level);
    l90_->setCurrentIndex(l90);
    filling_ = false;
}
