#pragma once
// The columns of a CSV export of levels as found in its first bytes, for the user to confirm or
// change before it is read: the time (or the date and the clock time apart), the level, the LA90
// or none, and whether a row's time is its sample's start or end, with the step found and the
// first rows. A choice the file refuses (no level column, two that fit equally) is said in the
// window's language, naming the file and the reason, and OK waits for a column that fits.

#include "levels_csv/read_levels_csv.h"

#include <QDialog>
#include <QString>

#include <string>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QStandardItemModel;
class QTableView;

class CsvColumnsDialog final : public QDialog {
    Q_OBJECT

  public:
    // firstBytes: the start of the file at path (all of it when whole).
    CsvColumnsDialog(const QString& path, std::string firstBytes, bool whole,
                     const vrd::CsvReadOptions& start, QWidget* parent = nullptr);

    // The choice as the boxes show it: a column left as found is chosen by its header, so that
    // the analysis file keeps what the user saw.
    vrd::CsvReadOptions Options() const;
    const vrd::CsvDetection& Detection() const { return detection_; }
    // The refusal of the columns chosen, in the window's language; empty when they fit.
    QString Refusal() const;

    QComboBox* TimeBox() const { return time_; }
    QComboBox* ClockBox() const { return clock_; }
    QComboBox* LevelBox() const { return level_; }
    QComboBox* L90Box() const { return l90_; }
    QComboBox* StampBox() const { return stamp_; }
    QTableView* Rows() const { return rows_; }

  private:
    void Detect(const vrd::CsvReadOptions& options);
    void FillBoxes(const vrd::CsvReadOptions& asked);
    void Follow();

    QString path_;
    std::string bytes_;
    bool whole_;
    vrd::CsvDetection detection_;
    QComboBox* time_ = nullptr;
    QComboBox* clock_ = nullptr;
    QComboBox* level_ = nullptr;
    QComboBox* l90_ = nullptr;
    QComboBox* stamp_ = nullptr;
    QLabel* step_ = nullptr;
    QLabel* refusal_ = nullptr;
    QTableView* rows_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    bool filling_ = false;
};
