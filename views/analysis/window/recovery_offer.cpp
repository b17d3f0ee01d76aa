#include "views/analysis/window/recovery_offer.h"

#include "views/analysis/window/frm_analysis.h"
#include "views/analysis/window/recovery_copy.h"
#include "views/texts/analysis_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct RecoveryOffer {
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)
};

QString OfferText(const KeptRecovery& recovery) {
    if (!recovery.analysis.isEmpty())
        return RecoveryOffer::tr("The analysis \"%1\" had changes that were not saved when the "
                                 "program stopped.")
            .arg(QFileInfo(recovery.analysis).fileName());
    if (!recovery.report.isEmpty())
        return RecoveryOffer::tr("An analysis of \"%1\" was not saved when the program stopped.")
            .arg(recovery.report);
    return RecoveryOffer::tr("An analysis was not saved when the program stopped.");
}

// The time a copy was kept, written as the window writes a minute.
QString KeptText(const QDateTime& kept) {
    const QDate date = kept.date();
    const QTime time = kept.time();
    const vrd::Minute minute =
        vrd::StartOfDay(vrd::DayFromCivil({date.year(), date.month(), date.day()})) +
        time.hour() * vrd::kMinutesPerHour + time.minute();
    return MinuteText(minute, WindowLanguage());
}

void Offer(QWidget& parent, std::vector<KeptRecovery> left,
           const std::function<frmAnalysis*()>& window) {
    if (left.empty())
        return;
    const KeptRecovery recovery = left.front();
    left.erase(left.begin());
    auto* box = new QMessageBox(QMessageBox::Question, RecoveryOffer::tr("Recovery"),
                                OfferText(recovery), QMessageBox::NoButton, &parent);
    box->setObjectName(QStringLiteral("RecoveryOffer"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(
        RecoveryOffer::tr("A copy of it was kept on %1. Restore it, or discard the copy?")
            .arg(KeptText(recovery.kept)));
    QPushButton* restore = box->addButton(RecoveryOffer::tr("Restore"), QMessageBox::AcceptRole);
    restore->setObjectName(QStringLiteral("Restore"));
    QPushButton* discard =
        box->addButton(RecoveryOffer::tr("Discard"), QMessageBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("Discard"));
    box->setDefaultButton(restore);
    QObject::connect(box, &QMessageBox::finished, &parent,
                     [&parent, box, restore, discard, recovery, left, window]() mutable {
                         const QAbstractButton* clicked = box->clickedButton();
                         if (clicked == discard) {
                             DiscardRecovery(recovery);
                         } else if (clicked == restore) {
                             if (frmAnalysis* shown = window())
                                 shown->RestoreRecovery(recovery);
                         }
                         Offer(parent, std::move(left), window);
                     });
    box->open();
}

} // namespace

void OfferRecoveries(QWidget& parent, std::function<frmAnalysis*()> window) {
    Offer(parent, KeptRecoveries(), window);
}
