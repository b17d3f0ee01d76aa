// Start-up (the start screen over the disabled main window, "Save As" and "Chart" disabled) and
// the about window (its texts, and the main window disabled while it is open).

#include "app/frm_about.h"
#include "app/frm_start.h"
#include "app/mdi_form_main.h"
#include "tests/gui/gui_test_support.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

frmStart* StartScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<frmStart*>(widget);
            screen != nullptr && screen->isVisible())
            return screen;
    return nullptr;
}

} // namespace

class TestStartAndAbout final : public QObject {
    Q_OBJECT

  private slots:
    void startUpDisablesTheMainWindowUntilTheTimerTicks();
    void menusAreAsDesigned();
    void aboutShowsItsTexts();
    void aboutIsDrawnInOneLightGrey();
    void aboutDisablesTheMainWindowUntilClosed_data();
    void aboutDisablesTheMainWindowUntilClosed();
    void missingPicturesLeaveEmptyImages();
};

void TestStartAndAbout::startUpDisablesTheMainWindowUntilTheTimerTicks() {
    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {300ms, {}});
    QCOMPARE(main.WaitTimer().interval(), 300);
    QSignalSpy finished(&main, &MDIFormMain::startUpFinished);
    main.MDIForm_Load();

    QVERIFY(main.isVisible());
    QVERIFY(!main.isEnabled());
    QCOMPARE(main.windowTitle(), QStringLiteral("VELMAR Decryption software "));
    QCOMPARE(main.Blocks().BlockResultsWindow, vrd::kTrue);
    QCOMPARE(main.Blocks().BlockGraphWindow, vrd::kTrue);
    QVERIFY(!main.Menus().mnuSave->menuAction()->isEnabled());
    QVERIFY(!main.Menus().mnuChart->isEnabled());
    frmStart* screen = StartScreen();
    QVERIFY(screen != nullptr);
    QCOMPARE(screen->size(), QSize(390, 210));
    QCOMPARE(screen->geometry().center(), main.frameGeometry().center());
    QVERIFY(screen->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(LabelText(*screen, "Label_Firmware_1"),
             QStringLiteral("VELMAR VRD Decryption Software"));
    QCOMPARE(LabelText(*screen, "Label_Version"), QStringLiteral("Dorvix-2 / VRD20"));
    QCOMPARE(LabelText(*screen, "Label_Firmware_0"), QStringLiteral("Version 2.1"));

    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(main.isEnabled());
    QVERIFY(!main.WaitTimer().isActive());
    QTRY_VERIFY(StartScreen() == nullptr);
    // The timer ticks once: the screen never comes back.
    QTest::qWait(400);
    QCOMPARE(finished.count(), 1);
    QVERIFY(main.Menus().mnuOpen->menuAction()->isEnabled());
    QVERIFY(!main.Menus().mnuSave->menuAction()->isEnabled());
    QVERIFY(!main.Menus().mnuChart->isEnabled());
}

void TestStartAndAbout::menusAreAsDesigned() {
    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {0ms, {}});
    QStringList bar;
    for (QAction* action : main.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{QStringLiteral("Open"), QStringLiteral("Save As"),
                               QStringLiteral("Chart"), QStringLiteral("Analysis"),
                               QStringLiteral("|"), QStringLiteral("About...")}));
    QStringList items;
    for (QAction* action : main.Menus().mnuOpen->actions() + main.Menus().mnuSave->actions())
        items << action->text();
    QCOMPARE(items, (QStringList{QStringLiteral("vrd file"), QStringLiteral("Txt file"),
                                 QStringLiteral("csv file"), QStringLiteral("txt file")}));
    // "|" does nothing: no dialog, no window.
    main.Menus().sep1->trigger();
    QVERIFY(dialogs.openCalls.isEmpty());
    QVERIFY(main.AboutWindow() == nullptr);
}

void TestStartAndAbout::aboutShowsItsTexts() {
    QCOMPARE(frmAbout::DescriptionText(),
             QStringLiteral("*  Application description :\n\r"
                            "This software decrypt the data from the VRD20 or the Dorvix-2.\n\r"
                            "These data can be saved on txt file or csv file ."));
    QCOMPARE(frmAbout::OperatingSystemsText(),
             QStringLiteral("*  Operating Systems :\n\r    _ Windows 2000.\n\r    _ Windows XP."));
    QCOMPARE(frmAbout::ResolutionsText(),
             QStringLiteral("*  Compatible Screen Resolutions :\n\r    _ 800 x 600.\n\r"
                            "    _ 1024 x 768.\n\r    _ 1152 x 864 or more (Recommended)."));

    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {0ms, {}});
    // Opening it twice shows each block once.
    for (int opening = 0; opening < 2; ++opening) {
        main.Menus().mnuAbout->trigger();
        QPointer<frmAbout> about = main.AboutWindow();
        QVERIFY(about);
        QCOMPARE(LabelText(*about, "lblTitle"), QStringLiteral("DECRYPTION SOFTWARE"));
        QCOMPARE(LabelText(*about, "lblVersion"), QStringLiteral("Version  2.1"));
        QCOMPARE(LabelText(*about, "Label_Version"), QStringLiteral("Version : 13052011"));
        QCOMPARE(LabelText(*about, "lblDescription"), frmAbout::DescriptionText());
        QCOMPARE(LabelText(*about, "Label_System_Exploitation"), frmAbout::OperatingSystemsText());
        QCOMPARE(LabelText(*about, "Label_Resolution"), frmAbout::ResolutionsText());
        QCOMPARE(about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(),
                 QStringLiteral("Ok"));
        QCOMPARE(about->size(), QSize(397, 311));
        about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QTRY_VERIFY(about.isNull());
    }
}

// The frame and every label in the same grey: no tinted frame with the labels' boxes showing on it.
void TestStartAndAbout::aboutIsDrawnInOneLightGrey() {
    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {0ms, {}});
    main.Menus().mnuAbout->trigger();
    QPointer<frmAbout> about = main.AboutWindow();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QImage image = about->grab().toImage();
    const QColor grey(192, 192, 192);
    QCOMPARE(image.pixelColor(2, 2), grey);
    const auto* frame = about->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(frame != nullptr);
    // Inside the frame, below the rules and left of "Ok".
    QCOMPARE(image.pixelColor(frame->geometry().topLeft() + QPoint(20, frame->height() - 20)),
             grey);
    // The labels' text starts at their left or is centred: their top right corner is background.
    for (const char* name : {"lblTitle", "lblVersion", "Label_Version", "Label_Resolution",
                             "lblDescription", "Label_System_Exploitation"}) {
        const auto* label = about->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label != nullptr, name);
        const QPoint corner = label->mapTo(about.data(), QPoint(label->width() - 3, 1));
        QVERIFY2(image.pixelColor(corner) == grey,
                 qPrintable(QLatin1String(name) % QStringLiteral(": ") %
                            image.pixelColor(corner).name()));
    }
    about->close();
    QTRY_VERIFY(about.isNull());
}

void TestStartAndAbout::aboutDisablesTheMainWindowUntilClosed_data() {
    QTest::addColumn<int>("key"); // 0: a click on "Ok"
    QTest::newRow("Ok") << 0;
    QTest::newRow("Enter") << static_cast<int>(Qt::Key_Return);
    QTest::newRow("Escape") << static_cast<int>(Qt::Key_Escape);
}

void TestStartAndAbout::aboutDisablesTheMainWindowUntilClosed() {
    QFETCH(int, key);
    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {0ms, {}});
    QSignalSpy finished(&main, &MDIFormMain::startUpFinished);
    main.MDIForm_Load();
    QVERIFY(finished.wait(5000));

    main.Menus().mnuAbout->trigger();
    QPointer<frmAbout> about = main.AboutWindow();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(!main.isEnabled());
    QVERIFY(about->isEnabled());
    QVERIFY(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    // A second "About..." while it is open does not open another.
    main.Menus().mnuAbout->trigger();
    QCOMPARE(main.AboutWindow(), about.data());

    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    if (key == 0)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        QTest::keyClick(about, static_cast<Qt::Key>(key));
    QTRY_VERIFY(about.isNull());
    QVERIFY(main.isEnabled());
}

void TestStartAndAbout::missingPicturesLeaveEmptyImages() {
    // The test programs have no Images folder beside them.
    frmStart screen;
    const auto* logo = screen.findChild<QLabel*>(QStringLiteral("Image_Logo_VELMAR"));
    QVERIFY(logo->pixmap().isNull());
    QCOMPARE(logo->pos(), QPoint(40, 26));
    QWidget main;
    frmAbout about(main);
    QVERIFY(about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
}

VRD_GUI_TEST_MAIN(TestStartAndAbout)
#include "tst_start_and_about.moc"
