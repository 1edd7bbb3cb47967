// The profile list window: saving the listing as text, font and font colour, the about box.
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "tests/app/dialogs_tests.h"
#include "turnsim/app/about_box.h"
#include "turnsim/app/list_xzr.h"

namespace turnsim {

namespace {

std::string ReadText(const QString& path) {
  std::ifstream in(path.toStdString());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Trigger(QWidget& window, const char* item) {
  QAction* action = window.findChild<QAction*>(item);
  QVERIFY2(action != nullptr, item);
  action->trigger();
}

} // namespace

class ListXzrTest : public QObject {
  Q_OBJECT

private slots:
  void init() { messages_.Clear(); }

  void savesTheLinesUnderTheChosenName() {
    QTemporaryDir dir;
    const QString target = dir.filePath("profile.txt");
    std::ofstream(target.toStdString()) << "old text that is longer than the listing\n";
    TFListXZR window({"  1  X=10.000", "  2  Z=-5.000"}, messages_);
    QString offered;
    window.SetChoosers({[&](QWidget*, QString& name) {
                          offered = name;
                          name = target;
                          return true;
                        },
                        nullptr, nullptr});
    Trigger(window, "SaveAsText1");
    QCOMPARE(offered, QString("pxzr.txt"));
    QCOMPARE(ReadText(target), std::string("  1  X=10.000\n  2  Z=-5.000\n"));
    QVERIFY(messages_.entries().isEmpty());
  }

  void unwritableFileIsReportedAndLeftAlone() {
    QTemporaryDir dir;
    TFListXZR window({"line"}, messages_);
    window.SetChoosers({[&](QWidget*, QString& name) {
                          name = dir.filePath("missing folder/pxzr.txt");
                          return true;
                        },
                        nullptr, nullptr});
    Trigger(window, "SaveAsText1");
    QCOMPARE(messages_.entries().size(), 1);
    QCOMPARE(messages_.entries()[0].kind, ScriptedMessageService::Kind::Error);
    QVERIFY(messages_.entries()[0].text.contains("pxzr.txt"));
  }

  // "Set Font color" colours the text; the background stays.
  void fontAndFontColourApplyWhenConfirmed() {
    TFListXZR window({"line"}, messages_);
    auto* memo = window.findChild<QPlainTextEdit*>("MemoXZRList");
    QVERIFY(memo->isReadOnly());
    const QColor background = memo->palette().color(QPalette::Base);
    bool confirm = false;
    window.SetChoosers({nullptr,
                        [&](QWidget*, QFont& font) {
                          font.setPointSize(23);
                          return confirm;
                        },
                        [&](QWidget*, QColor& color) {
                          color = QColor(0, 128, 0);
                          return confirm;
                        }});
    Trigger(window, "SetFont1");
    Trigger(window, "SetFontColor1");
    QVERIFY(memo->font().pointSize() != 23);
    QVERIFY(memo->palette().color(QPalette::Text) != QColor(0, 128, 0));
    confirm = true;
    Trigger(window, "SetFont1");
    Trigger(window, "SetFontColor1");
    QCOMPARE(memo->font().pointSize(), 23);
    QCOMPARE(memo->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(memo->palette().color(QPalette::Base), background);
  }

  // Every "About Program" makes a new about box; "OK" closes and frees it. "Exit" frees the
  // window.
  void aboutBoxesAndExit() {
    QPointer<TFListXZR> window = new TFListXZR({"line"}, messages_);
    window->show();
    Trigger(*window, "AboutProgram1");
    Trigger(*window, "AboutProgram1");
    QList<TAboutBox*> boxes = window->findChildren<TAboutBox*>();
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes[0]->isVisible() && !boxes[0]->isModal());
    QCOMPARE(boxes[0]->windowTitle(), QString("About Torvane"));
    QPointer<TAboutBox> first = boxes[0];
    QTest::mouseClick(first->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    Trigger(*window, "Exit1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(window.isNull());
  }

private:
  ScriptedMessageService messages_;
};

namespace {
const testing::DialogTestRegistration<ListXzrTest> registration;
} // namespace

} // namespace turnsim

#include "dialogs_list_xzr_test.moc"
