#include "app/frm_about.h"

#include "app/app_images.h"
#include "views/common/design_fonts.h"
#include "views/common/twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <qdrawutil.h>

namespace {

const QColor kLightGrey(192, 192, 192);
constexpr double kWindowPoints = 8.25;

QString Block(const QStringList& lines) {
    // Line feed first, then carriage return, as the texts have always been stored.
    return lines.join(QStringLiteral("\n\r"));
}

QLabel* MakeLabel(QWidget* frame, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

// A frame without caption drawn in the window's own grey, with an etched edge. The platform's
// group box tints its inside a shade darker, which would leave the labels, drawn in the window's
// grey, as faint rectangles on it.
class GreyFrame final : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        qDrawShadeRect(&painter, rect(), palette(), true, 1);
    }
};

void MakeWhiteRule(QWidget* frame, const char* name, int left, int right, int y) {
    auto* rule = new QFrame(frame);
    rule->setObjectName(QLatin1String(name));
    rule->setGeometry(Px(left), Px(y) - 1, Px(right) - Px(left) + 1, 2);
    rule->setAutoFillBackground(true);
    QPalette white = rule->palette();
    white.setColor(QPalette::Window, Qt::white);
    rule->setPalette(white);
}

} // namespace

QString frmAbout::DescriptionText() {
    return Block({QStringLiteral("*  Application description :"),
                  QStringLiteral("This software decrypt the data from the VRD20 or the Dorvix-2."),
                  QStringLiteral("These data can be saved on txt file or csv file .")});
}

QString frmAbout::OperatingSystemsText() {
    return Block({QStringLiteral("*  Operating Systems :"), QStringLiteral("    _ Windows 2000."),
                  QStringLiteral("    _ Windows XP.")});
}

QString frmAbout::ResolutionsText() {
    return Block({QStringLiteral("*  Compatible Screen Resolutions :"),
                  QStringLiteral("    _ 800 x 600."), QStringLiteral("    _ 1024 x 768."),
                  QStringLiteral("    _ 1152 x 864 or more (Recommended).")});
}

frmAbout::frmAbout(QWidget& mainWindow)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint), mainWindow_(&mainWindow) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipSize(5955, 4665));
    setFont(DesignFont(DesignFamily::Arial, kWindowPoints));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    // Modal by hand: the main window takes no input until this window is gone, whatever closes it.
    mainWindow.setEnabled(false);
    connect(this, &QDialog::finished, this, &frmAbout::Form_Unload);
    BuildFrame();

    QRect area = geometry();
    const QScreen* screen = mainWindow.screen();
    area.moveCenter(screen ? screen->availableGeometry().center() : mainWindow.geometry().center());
    move(area.topLeft());
}

void frmAbout::BuildFrame() {
    auto* Frame1 = new GreyFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipRect(90, 30, 5775, 4545));

    auto* picIcon = new QLabel(Frame1);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipRect(120, 240, 2325, 1035));
    picIcon->setBackgroundRole(QPalette::Base);
    picIcon->setAutoFillBackground(true);
    const QPixmap logo = LoadPicture(LogoPicturePath());
    picIcon->setPixmap(logo);
    if (!logo.isNull())
        picIcon->resize(logo.size());

    auto* cmdOK = new QPushButton(QStringLiteral("Ok"), Frame1);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipRect(2280, 4020, 1260, 404));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    const Qt::Alignment centred = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    QLabel* lblVersion = MakeLabel(Frame1, "lblVersion", QStringLiteral("Version  2.1"),
                                   TwipRect(2520, 840, 3135, 285), centred);
    lblVersion->setFont(DesignFont(DesignFamily::Arial, 12, {true, true}));
    QLabel* lblTitle = MakeLabel(Frame1, "lblTitle", QStringLiteral("DECRYPTION SOFTWARE"),
                                 TwipRect(2505, 480, 3135, 585), centred);
    lblTitle->setFont(DesignFont(DesignFamily::Arial, 11.25, {true, true}));
    // The title's box reaches down over the version line; the version lies on top so that both
    // texts show.
    lblVersion->raise();

    MakeLabel(Frame1, "Label_Version", QStringLiteral("Version : 13052011"),
              TwipRect(3600, 4170, 2025, 225), centred);
    // Its longest line wraps; the box reaches down to the rule so that the wrapped part shows.
    MakeLabel(Frame1, "Label_Resolution", ResolutionsText(), TwipRect(2640, 2790, 3045, 1050),
              left);
    MakeWhiteRule(Frame1, "Line1_0", 90, 5639, 3870);
    QLabel* lblDescription = MakeLabel(Frame1, "lblDescription", DescriptionText(),
                                       TwipRect(375, 1440, 5025, 1170), left);
    QPalette black = lblDescription->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(black);
    MakeWhiteRule(Frame1, "Line1_2", 90, 5654, 2670);
    MakeLabel(Frame1, "Label_System_Exploitation", OperatingSystemsText(),
              TwipRect(255, 2790, 2370, 915), left);
}

void frmAbout::Form_Unload() {
    if (mainWindow_)
        mainWindow_->setEnabled(true);
    close();
}
