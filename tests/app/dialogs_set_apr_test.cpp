// The settings dialog: number texts, the order in which fields are taken when one of them is
// not a number, and the coupling of its two check boxes.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/app/dialogs_tests.h"
#include "turnsim/app/set_apr_dialog.h"

namespace turnsim {

namespace {

// The fields in the order "Set values" takes them.
const char* const kFields[] = {"EditAproxRadial", "EditAproxLine", "EditCLDATAStep", "EditXa",
                               "EditYa",          "EditZa",        "TimerEdit"};

SimulationSettings Original() {
  SimulationSettings settings;
  settings.RadialApprox = 70;
  settings.LineApprox = 3;
  settings.AnimationStep = 3.0f;
  settings.AngleX = 1.0f;
  settings.AngleY = 2.0f;
  settings.AngleZ = 3.0f;
  return settings;
}

} // namespace

class SetAprTest : public QObject {
  Q_OBJECT

private slots:
  void showsShortestNumbersWithTheUsersSeparator() {
    SimulationSettings settings = Original();
    settings.AngleX = 0.1f;
    settings.AngleY = 123.25f;
    settings.AnimationStep = 0.0f;
    settings.DecimalSeparator = ',';
    QTimer timer;
    timer.setInterval(150);
    TFSetApr dialog(settings, timer, messages_);
    dialog.show();
    QCOMPARE(Text(dialog, "EditXa"), QString("0,1"));
    QCOMPARE(Text(dialog, "EditYa"), QString("123,25"));
    QCOMPARE(Text(dialog, "EditZa"), QString("3"));
    QCOMPARE(Text(dialog, "EditCLDATAStep"), QString("0"));
    QCOMPARE(Text(dialog, "EditAproxRadial"), QString("70"));
    QCOMPARE(Text(dialog, "TimerEdit"), QString("150"));
  }

  void takesFieldsUpToTheFirstBadOne_data() {
    QTest::addColumn<int>("bad"); // index in kFields, -1 for none
    QTest::addColumn<QString>("badText");
    QTest::addColumn<QString>("message");
    QTest::newRow("all good") << -1 << ""
                              << "";
    QTest::newRow("fraction as animation step") << 2 << "3.5"
                                                << "'3.5' is not a valid integer value";
    QTest::newRow("word as Y angle") << 4 << "abc"
                                     << "'abc' is not a valid floating point value";
    QTest::newRow("other separator") << 3 << "12,5"
                                     << "'12,5' is not a valid floating point value";
    QTest::newRow("angle beyond a float") << 5 << "1e39"
                                          << "'1e39' is not a valid floating point value";
    QTest::newRow("empty radial") << 0 << ""
                                  << "'' is not a valid integer value";
    QTest::newRow("integer beyond 32 bits") << 1 << "4294967296"
                                            << "'4294967296' is not a valid integer value";
    QTest::newRow("negative interval") << 6 << "-1"
                                       << "Range check error";
  }

  // A field that is not a number is reported; the settings before it are taken, those from it
  // on keep their values, and the dialog stays open.
  void takesFieldsUpToTheFirstBadOne() {
    QFETCH(int, bad);
    QFETCH(QString, badText);
    QFETCH(QString, message);
    SimulationSettings settings = Original();
    QTimer timer;
    timer.setInterval(150);
    TFSetApr dialog(settings, timer, messages_);
    dialog.show();
    const QStringList typed = {"5", "7", "0", " 10.5 ", "-20", "+2.5e1", "40"};
    for (int i = 0; i < 7; ++i) {
      Edit(dialog, kFields[i])->setText(i == bad ? badText : typed[i]);
    }
    dialog.findChild<QCheckBox*>("CheckBoxCLDATA")->setChecked(true);
    messages_.Clear();
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);

    const SimulationSettings before = Original();
    const int taken = bad < 0 ? 7 : bad;
    QCOMPARE(settings.RadialApprox, taken > 0 ? 5 : before.RadialApprox);
    QCOMPARE(settings.LineApprox, taken > 1 ? 7 : before.LineApprox);
    QCOMPARE(settings.AnimationStep, taken > 2 ? 0.0f : before.AnimationStep);
    QCOMPARE(settings.AngleX, taken > 3 ? 10.5f : before.AngleX);
    QCOMPARE(settings.AngleY, taken > 4 ? -20.0f : before.AngleY);
    QCOMPARE(settings.AngleZ, taken > 5 ? 25.0f : before.AngleZ);
    QCOMPARE(timer.interval(), taken > 6 ? 40 : 150);
    QCOMPARE(settings.CldataSource, bad < 0 ? kCldataBinary : kCldataText);
    QCOMPARE(dialog.isVisible(), bad >= 0);
    QCOMPARE(messages_.Texts(), bad < 0 ? QStringList() : QStringList{message});
  }

  void binarySourceDisablesWritingBinary() {
    SimulationSettings settings = Original();
    QTimer timer;
    TFSetApr dialog(settings, timer, messages_);
    dialog.show();
    auto* load = dialog.findChild<QCheckBox*>("CheckBoxCLDATA");
    auto* write = dialog.findChild<QCheckBox*>("CheckBoxWrite");
    QCOMPARE(load->text(), QString("Load binary CLDATA program"));
    QCOMPARE(write->text(), QString("Write CLDATA in binary file"));
    write->click();
    QVERIFY(settings.WriteBinaryCldata);
    load->click();
    QVERIFY(!write->isEnabled());
    QVERIFY(!settings.WriteBinaryCldata); // checked, but not enabled
    load->click();
    QVERIFY(write->isEnabled());
    QVERIFY(settings.WriteBinaryCldata);
    // The check boxes keep their state over a new showing.
    dialog.hide();
    dialog.show();
    QVERIFY(write->isChecked());
    QCOMPARE(settings.CldataSource, kCldataText);
  }

private:
  static QLineEdit* Edit(QWidget& dialog, const char* name) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    if (edit == nullptr) {
      qFatal("no edit %s", name);
    }
    return edit;
  }
  static QString Text(QWidget& dialog, const char* name) { return Edit(dialog, name)->text(); }

  ScriptedMessageService messages_;
};

namespace {
const testing::DialogTestRegistration<SetAprTest> registration;
} // namespace

} // namespace turnsim

#include "dialogs_set_apr_test.moc"
