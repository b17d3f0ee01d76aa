#pragma once
// The recovery copy of an analysis with unsaved changes: what the analysis file would hold,
// written through the safe writer into the user's state folder at most every 30 seconds after a
// change, so that a crash or a power cut loses at most those seconds of marking. A save that
// leaves nothing unsaved, or a window closed with its changes discarded, removes it. A copy that
// no running window holds is what a crash left: the next start offers it back (KeptRecoveries).
//
// Each copy is three files in RecoveryFolder(): NAME.vrda (the analysis), NAME.path (the analysis
// file it is a copy of, empty for one never saved) and NAME.lock, held while its window runs.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

class AnalysisFileState;
class AnalysisSession;
class QLockFile;

class RecoveryCopy final : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kDelay{30000};

    // Follows the changes of session as state judges them.
    RecoveryCopy(const AnalysisSession& session, AnalysisFileState& state,
                 QObject* parent = nullptr);
    // The window goes as the user asked: its copy with it.
    ~RecoveryCopy() override;

    // How long after a change the copy is written (kDelay; the tests shorten it).
    void SetDelay(std::chrono::milliseconds delay);
    // The analysis file's content of the copy; it is on disk while IsKept().
    QString Path() const;
    bool IsKept() const { return kept_; }
    // Writes the copy at once when there are unsaved changes; false when it could not be written.
    bool WriteNow();

  private:
    void Follow();
    void Remove();

    const AnalysisSession& session_;
    AnalysisFileState& state_;
    QTimer timer_;
    QString base_; // the folder and NAME, without a suffix
    std::unique_ptr<QLockFile> lock_;
    bool kept_ = false;
};

// A copy left by a window that no longer runs.
struct KeptRecovery {
    QString copy;     // its NAME.vrda
    QString analysis; // the analysis file it is a copy of; empty for one never saved
    QString report;   // the file name of its first report, to name an analysis never saved
    QDateTime kept;   // when it was written
};

// "recovery" in QStandardPaths::AppLocalDataLocation.
QString RecoveryFolder();
// The copies no running window holds, the latest first.
std::vector<KeptRecovery> KeptRecoveries();
// Removes the files of a copy.
void DiscardRecovery(const KeptRecovery& recovery);
