// The machine-tool dialog: the list from the machine records, "Done" with and without a
// selection, "Cancel".
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/app/dialogs_tests.h"
#include "turnsim/app/form_db.h"

namespace turnsim {

namespace {

std::vector<Machine> ThreeMachines() {
  std::vector<Machine> machines(3);
  machines[0].name = "16K20";
  machines[1].name = "1K62";
  machines[2].name = "TPK-125";
  return machines;
}

QComboBox* Combo(QWidget& dialog) {
  return dialog.findChild<QComboBox*>("ComboBoxDB");
}

QPushButton* Button(QWidget& dialog, const QString& caption) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == caption) {
      return button;
    }
  }
  qFatal("no button \"%s\"", qPrintable(caption));
  return nullptr;
}

} // namespace

class FormDbTest : public QObject {
  Q_OBJECT

private slots:
  void init() { messages_.Clear(); }

  void doneTakesTheSelection() {
    const std::vector<Machine> machines = ThreeMachines();
    std::int32_t index = 1;
    bool chosen = false;
    TFormDB dialog(machines, index, chosen, messages_);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QCOMPARE(Combo(dialog)->count(), 3);
    QCOMPARE(Combo(dialog)->itemText(2), QString("TPK-125"));
    QCOMPARE(Combo(dialog)->currentIndex(), 1);
    Combo(dialog)->setCurrentIndex(2);
    QTest::mouseClick(Button(dialog, "Done"), Qt::LeftButton);
    QCOMPARE(index, 2);
    QVERIFY(chosen);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(messages_.entries().isEmpty());
  }

  // "Cancel" and closing keep the previous machine tool and the chosen flag.
  void cancelAndCloseKeepThePrevious() {
    const std::vector<Machine> machines = ThreeMachines();
    std::int32_t index = 0;
    bool chosen = false;
    TFormDB dialog(machines, index, chosen, messages_);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    Combo(dialog)->setCurrentIndex(2);
    QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    dialog.show();
    QCOMPARE(Combo(dialog)->currentIndex(), 0); // showing again selects the kept entry
    Combo(dialog)->setCurrentIndex(1);
    dialog.close();
    QCOMPARE(index, 0);
    QVERIFY(!chosen);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(finished.count(), 2);
  }

  void doneWithoutSelectionAsksForOne() {
    const std::vector<Machine> none;
    std::int32_t index = 0;
    bool chosen = false;
    TFormDB dialog(none, index, chosen, messages_);
    dialog.show();
    QTest::mouseClick(Button(dialog, "Done"), Qt::LeftButton);
    QCOMPARE(messages_.Beeps(), 1);
    QCOMPARE(messages_.Texts(), QStringList{"Please, select tools name from the list!"});
    QVERIFY(dialog.isVisible());
    QVERIFY(!chosen);
  }

private:
  ScriptedMessageService messages_;
};

namespace {
const testing::DialogTestRegistration<FormDbTest> registration;
} // namespace

} // namespace turnsim

#include "dialogs_form_db_test.moc"
