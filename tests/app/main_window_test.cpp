// The main window: its components as the program starts, the commands that only beep before a
// model and before the first motion, the open pipeline, the animation commands and the timer
// guard, fatal errors, and the exit dialogue.
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "tests/app/app_test_registry.h"
#include "tests/app/window_fixture.h"
#include "turnsim/app/form_db.h"
#include "turnsim/app/list_xzr.h"
#include "turnsim/app/profile_image.h"
#include "turnsim/app/status_panels.h"

namespace turnsim {

namespace {

using Kind = ScriptedMessageService::Kind;
using Answer = MessageService::Answer;
using testing::WindowFixture;

QAction* ActionNamed(QWidget* window, const char* name) {
  return window->findChild<QAction*>(QString::fromLatin1(name));
}

// A short program: tool 1, speed 0.25 mm/r, a short motion, then one to the same end.
constexpr const char* kTolerantProgram = "1 13 0 0 1 0 0 0\n"
                                         "2 23 1 0 0.25 0 0 0\n"
                                         "3 28 0 0 1 1 0 0\n"
                                         "4 28 0 0 1 1 0 0\n";

} // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

private slots:
  void componentsAsTheProgramStarts() {
    WindowFixture f;
    TFTornis& w = *f.window;
    QCOMPARE(w.objectName(), QStringLiteral("FTornis"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Torvane 1.0"));
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(w.findChild<ProfileImage*>(QStringLiteral("ImageXZR")));
    QVERIFY(w.findChild<QToolBar*>(QStringLiteral("ToolBar1")));
    auto* timer = w.findChild<QTimer*>(QStringLiteral("TimerGeom"));
    QVERIFY(timer && !timer->isActive());
    QCOMPARE(timer->interval(), 150);

    auto* status = w.findChild<StatusPanels*>(QStringLiteral("StatusBar1"));
    QVERIFY(status);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(status->Panel(i)->width(), StatusPanels::kWidths[static_cast<std::size_t>(i)]);
    }

    struct Item {
      const char* name;
      const char* caption;
      bool enabled;
    };
    const Item items[] = {
        {"OpenMODTfile1", "Open MODT file", true},
        {"ExportinDXFformat1", "Export in DXF format", false},
        {"Exit1", "Exit", true},
        {"ZoomIn1", "Zoom In", false},
        {"ZoomOut1", "Zoom Out", false},
        {"N3DViewAllfeatures1", "3D View (All features)", false},
        {"N3DVewPartOnly1", "3D Vew (Part Only)", false},
        {"RunStopanimation1", "Run/Stop animation", false},
        {"Stepanimation1", "Step animation", false},
        {"Setaprocsimvalue1", "Set aprocsim. value", true},
        {"Viewprofilelist1", "View profile list", false},
        {"ViewtoolsDATABASE1", "View tools DATABASE", true},
        {"Changecolors1", "Change colors", true},
        {"AboutProgram1", "About Program", true},
    };
    for (const Item& item : items) {
      QAction* action = ActionNamed(&w, item.name);
      QVERIFY2(action, item.name);
      QCOMPARE(action->text(), QString::fromLatin1(item.caption));
      QCOMPARE(action->isEnabled(), item.enabled);
    }
    QCOMPARE(ActionNamed(&w, "OpenMODTfile1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(ActionNamed(&w, "Setaprocsimvalue1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));

    // Thirteen buttons of 26 x 25, hinted with their item's caption; only Run/Stop checks.
    const char* hints[] = {"Open MODT file",
                           "Export in DXF format",
                           "Run/Stop animation",
                           "Step animation",
                           "Zoom In",
                           "Zoom Out",
                           "Set aprocsim. value",
                           "View tools DATABASE",
                           "View profile list",
                           "3D View (All features)",
                           "Change colors",
                           "About Program",
                           "Exit"};
    const bool enabled[] = {true, false, false, false, false, false, true,
                            true, false, false, true,  true,  true};
    for (int i = 0; i < 13; ++i) {
      auto* b = w.findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(i + 1));
      QVERIFY(b);
      QCOMPARE(b->size(), QSize(26, 25));
      QCOMPARE(b->toolTip(), QString::fromLatin1(hints[i]));
      QCOMPARE(b->isEnabled(), enabled[i]);
      QCOMPARE(b->isCheckable(), i == 2);
      QVERIFY(!b->icon().isNull());
    }
  }

  // The open and save dialogs with the filters, title and extension of the form.
  void fileDialogs() {
    QWidget parent;
    DialogFileChooser chooser(&parent);
    QCOMPARE(chooser.OpenMODTDialog->objectName(), QStringLiteral("OpenMODTDialog"));
    QCOMPARE(chooser.OpenMODTDialog->nameFilters(),
             (QStringList{"MODT Files (*.~~)", "Text files (*.txt)", "All files (*.*)"}));
    QCOMPARE(chooser.SaveDialogDXF->objectName(), QStringLiteral("SaveDialogDXF"));
    QCOMPARE(chooser.SaveDialogDXF->nameFilters(), QStringList{"AutoCAD R14/LT98/LT97 DXF(*.dxf)"});
    QCOMPARE(chooser.SaveDialogDXF->windowTitle(), QStringLiteral("Save DXF file"));
    QCOMPARE(chooser.SaveDialogDXF->defaultSuffix(), QStringLiteral("dxf"));
    QCOMPARE(chooser.SaveDialogDXF->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!chooser.SaveDialogDXF->testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(NameFilters(QStringLiteral("Text files (*.txt, *.doc)|*.txt; *.doc|All files|*.*")),
             (QStringList{"Text files (*.txt, *.doc)", "All files (*.*)"}));
  }

  // Before a model only the open, exit, settings, database, colour and about commands respond;
  // the others beep (and the DXF export says why).
  void commandsBeforeAModelOnlyBeep() {
    WindowFixture f;
    TFTornis& w = *f.window;
    f.messages.Clear();
    w.ZoomIn1Click();
    w.ZoomOut1Click();
    w.N3DViewAllfeatures1Click();
    w.N3DVewPartOnly1Click();
    QCOMPARE(f.messages.Beeps(), 4);
    QVERIFY(f.messages.Texts().isEmpty());
    w.ExportinDXFformat1Click();
    QCOMPARE(f.messages.Texts(), QStringList{"You have to open MODT file first."});
    QCOMPARE(f.messages.Beeps(), 5);
    QCOMPARE(f.viewer->starts, 0);
    QCOMPARE(w.View().ViewScale, 2.0f);
  }

  void cancellingTheOpenDialogChangesNothing() {
    WindowFixture f;
    f.files->model.clear();
    f.window->OpenMODTfile1Click();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Torvane 1.0"));
    QVERIFY(!f.window->Sim().ModelLoaded);
    QVERIFY(!ActionNamed(f.window.get(), "Stepanimation1")->isEnabled());
    QVERIFY(f.window->ImageXZR->Stretch());
  }

  // Opening enables the simulation, but until the first motion the commands that need a cut
  // only beep; the first motion (even one that removes nothing) lets them run.
  void openingThenTheFirstMotion() {
    WindowFixture f;
    TFTornis& w = *f.window;
    f.files->model = f.folder.Model();
    w.OpenMODTfile1Click();
    QCOMPARE(w.windowTitle(), QStringLiteral("Torvane 1.0 -  FileName: shaft.~~"));
    QVERIFY(!w.ImageXZR->Stretch());
    QCOMPARE(w.ImageXZR->Image().size(), QSize(790, 468));
    QCOMPARE(w.StatusTextOf(0), QStringLiteral("Machine tool: TC-250 two-axis CNC lathe"));
    QCOMPARE(w.StatusTextOf(1), QStringLiteral("Holder: "));
    QCOMPARE(w.StatusTextOf(2), QStringLiteral("Cut: "));
    QCOMPARE(w.StatusTextOf(3), QStringLiteral("Animation stoped."));
    QCOMPARE(w.StatusTextOf(4), QStringLiteral("Cutting speed"));
    for (const char* name :
         {"ExportinDXFformat1", "ZoomIn1", "ZoomOut1", "N3DViewAllfeatures1", "N3DVewPartOnly1",
          "RunStopanimation1", "Stepanimation1", "Viewprofilelist1"}) {
      QVERIFY2(ActionNamed(&w, name)->isEnabled(), name);
    }
    for (int i : {2, 3, 4, 5, 6, 9, 10, 11}) {
      QVERIFY(w.findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(i))->isEnabled());
    }

    f.messages.Clear();
    f.files->dxf = QString::fromStdString((f.folder.Path() / "part.dxf").string());
    w.ZoomIn1Click();
    w.ZoomOut1Click();
    w.ExportinDXFformat1Click();
    w.N3DViewAllfeatures1Click();
    w.N3DVewPartOnly1Click();
    QCOMPARE(f.messages.Beeps(), 5);
    QVERIFY(f.messages.Texts().isEmpty());
    QVERIFY(!std::filesystem::exists(f.folder.Path() / "part.dxf"));
    QCOMPARE(f.viewer->starts, 0);

    QVERIFY(f.StepToMotion());
    QVERIFY(w.Sim().CutDone);
    f.messages.Clear();
    w.ExportinDXFformat1Click();
    QCOMPARE(f.messages.Texts(), QStringList{"DXF file created."});
    QVERIFY(std::filesystem::file_size(f.folder.Path() / "part.dxf") > 0);
    w.N3DVewPartOnly1Click();
    QVERIFY(std::filesystem::exists(f.folder.Path() / "aprox.x"));
    QCOMPARE(f.viewer->starts, 1);

    // "3D View (All features)" refuses while the animation runs; the part-only view does not.
    w.RunStopanimation1Click();
    QCOMPARE(w.StatusTextOf(3), QStringLiteral("Animation in progress..."));
    QVERIFY(w.findChild<QToolButton*>(QStringLiteral("ToolButton3"))->isChecked());
    f.messages.Clear();
    w.N3DViewAllfeatures1Click();
    QCOMPARE(f.messages.Beeps(), 1);
    w.N3DVewPartOnly1Click();
    QCOMPARE(f.viewer->starts, 2);
    const std::int32_t cursor = w.Sim().CommandCursor;
    w.RunStopanimation1Click();
    QCOMPARE(w.StatusTextOf(3), QStringLiteral("Animation stoped."));
    QVERIFY(!w.findChild<QToolButton*>(QStringLiteral("ToolButton3"))->isChecked());
    QCOMPARE(w.Sim().CommandCursor, cursor);

    // Opening again goes back to the start: the guards beep again.
    f.Open();
    QCOMPARE(w.Sim().CommandCursor, 0);
    QVERIFY(!w.Sim().CutDone);
    f.messages.Clear();
    w.ZoomIn1Click();
    QCOMPARE(f.messages.Beeps(), 1);
  }

  // After a cut: the full 3D view writes the scene and starts the viewer, the profile list
  // opens a window with one line per element, and the machine-tool dialog disables the window
  // until it closes, then names the chosen machine.
  void viewsListAndMachineAfterACut() {
    WindowFixture f;
    TFTornis& w = *f.window;
    f.Open();
    QVERIFY(f.StepToMotion());
    QVERIFY(f.StepToMotion());
    w.N3DViewAllfeatures1Click();
    QVERIFY(f.messages.Texts().isEmpty());
    QVERIFY(std::filesystem::exists(f.folder.Path() / "aprox.x"));
    QVERIFY(std::filesystem::exists(f.folder.Path() / "aprox1.x"));
    QCOMPARE(f.viewer->starts, 1);

    w.Viewprofilelist1Click();
    auto* list = w.findChild<TFListXZR*>();
    QVERIFY(list && list->isVisible());
    auto* memo = list->findChild<QPlainTextEdit*>();
    QVERIFY(memo);
    QCOMPARE(memo->document()->blockCount(), static_cast<int>(w.Sim().CutProfile.size()));
    list->close();

    w.ViewtoolsDATABASE1Click();
    QVERIFY(!w.isEnabled());
    QVERIFY(w.FormDB->isVisible());
    w.FormDB->findChild<QComboBox*>(QStringLiteral("ComboBoxDB"))->setCurrentIndex(1);
    w.FormDB->DoneClick();
    QVERIFY(w.isEnabled());
    QVERIFY(w.Sim().MachineToolChosen);
    QCOMPARE(w.StatusTextOf(0), QStringLiteral("Machine tool: TL-160 compact CNC lathe"));
    w.ViewtoolsDATABASE1Click();
    w.FormDB->CancelClick();
    QVERIFY(w.isEnabled());
    QCOMPARE(w.Sim().MachineToolIndex, 1);
  }

  // Starting from 2.0 fifteen zoom-ins reach 5 and the sixteenth is refused; nine zoom-outs
  // reach 0.2 and the tenth is refused. A refused zoom leaves the picture as it was.
  void zoomStaysWithinItsRange() {
    WindowFixture f;
    TFTornis& w = *f.window;
    f.Open();
    QVERIFY(f.StepToMotion());
    for (int i = 0; i < 15; ++i) {
      const QImage before = w.ImageXZR->Image().copy();
      w.ZoomIn1Click();
      QVERIFY(w.ImageXZR->Image() != before);
    }
    QVERIFY(qAbs(w.View().ViewScale - 5.0f) < 1e-5f);
    const QImage atFive = w.ImageXZR->Image().copy();
    w.ZoomIn1Click();
    QVERIFY(qAbs(w.View().ViewScale - 5.0f) < 1e-5f);
    QVERIFY(w.ImageXZR->Image() == atFive);

    w.View().ViewScale = 2.0f;
    for (int i = 0; i < 9; ++i) {
      w.ZoomOut1Click();
    }
    QVERIFY(qAbs(w.View().ViewScale - 0.2f) < 1e-5f);
    const QImage atFifth = w.ImageXZR->Image().copy();
    w.ZoomOut1Click();
    QVERIFY(qAbs(w.View().ViewScale - 0.2f) < 1e-5f);
    QVERIFY(w.ImageXZR->Image() == atFifth);
    QCOMPARE(f.messages.Beeps(), 0);
  }

  // At the design size the view is 790 x 468 and the start view's origin (275, 214); the
  // profile's top line (its greatest radius) is drawn in blue on that row.
  void startViewAtTheDesignSize() {
    WindowFixture f;
    TFTornis& w = *f.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.ImageXZR->size(), QSize(790, 468));
    f.Open();
    QCOMPARE(w.StartViewOrigin(), QPoint(275, 214));
    const QImage& image = w.ImageXZR->Image();
    const QRgb blue = qRgb(0, 0, 255);
    // shaft: radius 25 from Z = -120 to 0; the mirror line is 2 x 25 mm x 2 px lower.
    QCOMPARE(image.pixel(395, 214) | 0xFF000000u, blue);
    QCOMPARE(image.pixel(395, 314) | 0xFF000000u, blue);
    QCOMPARE(image.pixel(395, 250) | 0xFF000000u, qRgb(255, 255, 255));

    // After a resize the origin follows the view's size at the moment of opening.
    w.resize(w.width() + 100, w.height() + 40);
    QTRY_COMPARE(w.ImageXZR->size(), QSize(890, 508));
    f.Open();
    QCOMPARE(w.StartViewOrigin(), QPoint(325, 234));
    QCOMPARE(w.ImageXZR->Image().size(), QSize(790, 468));
  }

  // A step that shows a box: timer ticks and "Step animation" behind it do not start another
  // step.
  void noStepWhileAStepShowsABox() {
    WindowFixture f;
    TFTornis& w = *f.window;
    f.WriteProgram(kTolerantProgram);
    f.Open();
    int nested = 0;
    std::int32_t cursorInside = -1;
    f.messages.whileOpen = [&] {
      cursorInside = w.Sim().CommandCursor;
      w.TimerGeomTimer();
      w.Stepanimation1Click();
      nested += w.AnimationStep().has_value() ? 1 : 0;
      QCOMPARE(w.Sim().CommandCursor, cursorInside);
    };
    w.RunStopanimation1Click();
    for (int i = 0; i < 4; ++i) {
      w.TimerGeomTimer();
    }
    QCOMPARE(f.messages.Texts(), QStringList{"Tolerant CLDATA"});
    QCOMPARE(nested, 0);
    QCOMPARE(cursorInside, 3);
    QCOMPARE(w.Sim().CommandsLeft, 0);
    QCOMPARE(w.StatusTextOf(4), QStringLiteral("Cutting Speed:  0.25 mm/r"));
    // The tick after the last command stops the animation.
    QVERIFY(w.TimerGeom->isActive());
    w.TimerGeomTimer();
    QVERIFY(!w.TimerGeom->isActive());
    QCOMPARE(w.StatusTextOf(3), QStringLiteral("Animation stoped."));
    QVERIFY(!w.findChild<QToolButton*>(QStringLiteral("ToolButton3"))->isChecked());
  }

  // A step that fails with a conversion error (a tool whose main angle is not a number) shows
  // the error once and stops a running animation: the next tick would meet the same command.
  void conversionErrorStopsTheAnimation() {
    WindowFixture f;
    TFTornis& w = *f.window;
    const QString folder = QFileInfo(f.folder.Model()).absolutePath();
    QFile lib(folder + "/inst.lib");
    QVERIFY(lib.open(QIODevice::ReadOnly));
    QByteArray text = lib.readAll();
    lib.close();
    const qsizetype at = text.indexOf("FI  ");
    QVERIFY(at >= 0);
    text.replace(at + 4, 2, "x9");
    QVERIFY(lib.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lib.write(text);
    lib.close();
    f.WriteProgram("1 13 0 0 1 0 0 0\n2 6 0 0 0 0 0 0\n");
    f.Open();
    w.RunStopanimation1Click();
    w.TimerGeomTimer();
    QCOMPARE(f.messages.Texts().size(), 1);
    QVERIFY(!w.TimerGeom->isActive());
    QCOMPARE(w.StatusTextOf(3), QStringLiteral("Animation stoped."));
    QVERIFY(f.endCodes.empty());
    QCOMPARE(w.Sim().CommandCursor, 0);
  }

  // A fatal error of the core shows its text and ends the process with its code; nothing runs
  // afterwards.
  void fatalErrorEndsTheProcess() {
    WindowFixture f;
    TFTornis& w = *f.window;
    f.WriteProgram("1 23 7 0 1 0 0 0\n2 6 0 0 0 0 0 0\n");
    f.Open();
    w.RunStopanimation1Click();
    w.TimerGeomTimer();
    QCOMPARE(f.messages.Texts(), QStringList{"Invalid cutting speed rate!"});
    QCOMPARE(f.endCodes, std::vector<int>{0});
    QVERIFY(!w.TimerGeom->isActive());
    QVERIFY(!w.AnimationStep().has_value());
    QCOMPARE(w.Sim().CommandCursor, 0);
  }

  // The exit dialogue: No stays; Yes ends with code 0, and with unsaved colours a second
  // question saves (Yes), discards (No) or stays (Cancel).
  void exitDialogue_data() {
    QTest::addColumn<bool>("colorsSaved");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("writesColors");
    QTest::addColumn<int>("beeps");
    const int yes = static_cast<int>(Answer::Yes);
    const int no = static_cast<int>(Answer::No);
    const int cancel = static_cast<int>(Answer::Cancel);
    QTest::newRow("no") << true << QList<int>{no} << false << false << 1;
    QTest::newRow("yes") << true << QList<int>{yes} << true << false << 1;
    QTest::newRow("unsaved, cancel") << false << QList<int>{yes, cancel} << false << false << 2;
    QTest::newRow("unsaved, save") << false << QList<int>{yes, yes} << true << true << 2;
    QTest::newRow("unsaved, discard") << false << QList<int>{yes, no} << true << false << 2;
  }
  void exitDialogue() {
    QFETCH(bool, colorsSaved);
    QFETCH(QList<int>, answers);
    QFETCH(bool, ends);
    QFETCH(bool, writesColors);
    QFETCH(int, beeps);
    WindowFixture f;
    TFTornis& w = *f.window;
    w.ColorsSaved = colorsSaved;
    w.Colors.PartColor = 0x123456;
    f.messages.Clear();
    for (int a : answers) {
      f.messages.Queue(static_cast<Answer>(a));
    }
    w.Exit1Click();
    QCOMPARE(f.messages.unscripted, 0);
    QCOMPARE(f.messages.Beeps(), beeps);
    QCOMPARE(f.messages.entries().at(1).text, QStringLiteral("Do you realy want to exit?"));
    if (answers.size() > 1) {
      QCOMPARE(f.messages.entries().at(3).kind, Kind::QuestionWithCancel);
      QCOMPARE(f.messages.entries().at(3).text,
               QStringLiteral("Do you want to save the changes in color settigs?"));
    }
    QCOMPARE(f.endCodes, ends ? std::vector<int>{0} : std::vector<int>{});
    std::ifstream cfg(f.folder.Path() / "colors.cfg");
    ViewColors saved;
    ReadColors(cfg, saved);
    QCOMPARE(saved.PartColor == 0x123456, writesColors);
  }
};

static testing::AppTestRegistration<MainWindowTest> registration;

} // namespace turnsim

#include "main_window_test.moc"
