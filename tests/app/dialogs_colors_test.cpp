// The colour files and the colour dialog: partial colors.cfg, cancelled colour choice, save,
// restore of the factory colours.
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "tests/app/dialogs_tests.h"
#include "turnsim/app/colors_config.h"
#include "turnsim/app/form_color.h"
#include "turnsim/app/view_colors.h"

namespace turnsim {

namespace {

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path) << text;
}

ViewColors Distinct() {
  ViewColors colors;
  std::int32_t value = 100;
  for (std::int32_t* color : colors.InFileOrder()) {
    *color = value++;
  }
  return colors;
}

} // namespace

class ColorsTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    QVERIFY(dir_.isValid());
    folder_ = dir_.path().toStdString();
    std::filesystem::remove(folder_ / kColorsFile);
    std::filesystem::remove(folder_ / kDefaultColorsFile);
    messages_.Clear();
  }

  void readsWhatItCan_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("assigned");
    QTest::newRow("all seven, spread over lines") << "1 2\n3\n\n4 5 6\t7\n" << 7;
    QTest::newRow("fewer than seven") << "1\n2\n3\n" << 3;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("text stops reading") << "1\n2\nred\n4\n" << 2;
    QTest::newRow("number glued to text") << "1\n2x\n" << 1;
    QTest::newRow("beyond 32 bits") << "1\n4294967296\n" << 1;
    QTest::newRow("two signs") << "+-5\n" << 0;
    QTest::newRow("signs and extra numbers") << "+1 -2 3 4 5 6 7 8\n" << 7;
  }

  // Colours the file does not give keep their previous values.
  void readsWhatItCan() {
    QFETCH(QString, text);
    QFETCH(int, assigned);
    std::istringstream in(text.toStdString());
    ViewColors colors = Distinct();
    QCOMPARE(ReadColors(in, colors), assigned);
    std::istringstream again(text.toStdString());
    std::string word;
    const auto values = colors.ValuesInFileOrder();
    const auto previous = Distinct().ValuesInFileOrder();
    for (int i = 0; i < 7; ++i) {
      if (i < assigned) {
        again >> word;
        QCOMPARE(values[i], std::stoi(word));
      } else {
        QCOMPARE(values[i], previous[i]);
      }
    }
  }

  void saveThenLoadRestoresTheSeven() {
    QVERIFY(SaveColors(folder_, Distinct(), messages_));
    QCOMPARE(ReadText(folder_ / kColorsFile), std::string("100\n101\n102\n103\n104\n105\n106\n"));
    ViewColors loaded;
    QVERIFY(LoadColors(folder_, loaded, messages_));
    QVERIFY(loaded == Distinct());
    QVERIFY(messages_.Texts().isEmpty());
  }

  void missingFileKeepsColours() {
    ViewColors colors = Distinct();
    QVERIFY(!LoadColors(folder_, colors, messages_));
    QVERIFY(colors == Distinct());
    QCOMPARE(messages_.Texts(), QStringList{"Can't open configuration file!"});
  }

  void failedSaveLeavesFileAlone() {
    QVERIFY(!SaveColors(folder_ / "no such folder", Distinct(), messages_));
    QCOMPARE(messages_.Texts(), QStringList{"Can't update configuration file!"});
  }

  // The factory colours of the samples are the program's defaults.
  void sampleDefaultsAreTheDefaults() {
    std::ifstream in(std::filesystem::path(SAMPLES_DIR) / kDefaultColorsFile);
    ViewColors colors = Distinct();
    QCOMPARE(ReadColors(in, colors), 7);
    QVERIFY(colors == ViewColors());
  }

  // Cancelling the colour dialog still counts as a change: "Save " is offered and the exit
  // question will ask.
  void cancelledChoiceStillMarksUnsaved() {
    ViewColors colors;
    bool saved = true;
    TFormColor form(colors, saved, messages_, folder_);
    int asked = 0;
    form.SetColorChooser([&asked](QWidget*, std::int32_t&) {
      ++asked;
      return false;
    });
    QSignalSpy changed(&form, &TFormColor::ColorsChanged);
    form.show();
    QVERIFY(!Button(form, "Save ")->isEnabled());
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtnCut"), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(colors == ViewColors());
    QVERIFY(!saved);
    QVERIFY(Button(form, "Save ")->isEnabled());
    QCOMPARE(changed.count(), 1);
  }

  void confirmedChoiceColoursTheCaptionAndSaves() {
    ViewColors colors;
    bool saved = true;
    TFormColor form(colors, saved, messages_, folder_);
    form.SetColorChooser([](QWidget*, std::int32_t& color) {
      color = 0x00AA00;
      return true;
    });
    form.show();
    QPushButton* cone = form.findChild<QPushButton*>("BitBtnCone");
    QCOMPARE(cone->text(), QString("Cone color"));
    QCOMPARE(cone->palette().color(QPalette::ButtonText), ToQColor(0x808000));
    QTest::mouseClick(cone, Qt::LeftButton);
    QCOMPARE(colors.ConeColor, 0x00AA00);
    QCOMPARE(cone->palette().color(QPalette::ButtonText), QColor(0, 0xAA, 0));
    QTest::mouseClick(Button(form, "Save "), Qt::LeftButton);
    QVERIFY(saved);
    QVERIFY(!Button(form, "Save ")->isEnabled());
    ViewColors reread = Distinct();
    QVERIFY(LoadColors(folder_, reread, messages_));
    QVERIFY(reread == colors);
  }

  // A save that wrote nothing leaves the changes unsaved, so they are offered again at exit.
  void failedSaveKeepsChangesUnsaved() {
    ViewColors colors;
    bool saved = true;
    TFormColor form(colors, saved, messages_, folder_ / "no such folder");
    form.SetColorChooser([](QWidget*, std::int32_t&) { return false; });
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtnPart"), Qt::LeftButton);
    QTest::mouseClick(Button(form, "Save "), Qt::LeftButton);
    QCOMPARE(messages_.Texts(), QStringList{"Can't update configuration file!"});
    QVERIFY(!saved);
    QVERIFY(Button(form, "Save ")->isEnabled());
  }

  // Restoring copies colors.~fg over colors.cfg, even when "Save " was never pressed, and loads
  // it.
  void restoreDefaultsCopiesAndLoads() {
    WriteText(folder_ / kDefaultColorsFile, "10\r\n11\n12\n13\n14\n15\n16");
    WriteText(folder_ / kColorsFile, "1\n2\n3\n4\n5\n6\n7\n");
    ViewColors colors;
    bool saved = true;
    TFormColor form(colors, saved, messages_, folder_);
    form.SetColorChooser([](QWidget*, std::int32_t& color) {
      color = 0x123456;
      return true;
    });
    QSignalSpy changed(&form, &TFormColor::ColorsChanged);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtnBackGround"), Qt::LeftButton);
    QTest::mouseClick(Button(form, "Rectore Defaults"), Qt::LeftButton);
    QCOMPARE(ReadText(folder_ / kColorsFile), std::string("10\n11\n12\n13\n14\n15\n16\n"));
    QCOMPARE(colors.SpindleColor, 10);
    QCOMPARE(colors.BackGroundColor, 16);
    QVERIFY(saved);
    QVERIFY(!Button(form, "Save ")->isEnabled());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(
        form.findChild<QPushButton*>("BitBtnBackGround")->palette().color(QPalette::ButtonText),
        ToQColor(16));
  }

  void restoreWithoutDefaultsFileChangesNothing() {
    WriteText(folder_ / kColorsFile, "1\n2\n3\n4\n5\n6\n7\n");
    ViewColors colors = Distinct();
    bool saved = false;
    TFormColor form(colors, saved, messages_, folder_);
    QSignalSpy changed(&form, &TFormColor::ColorsChanged);
    QTest::mouseClick(Button(form, "Rectore Defaults"), Qt::LeftButton);
    QCOMPARE(messages_.entries().size(), 1);
    QCOMPARE(messages_.entries()[0].kind, ScriptedMessageService::Kind::Error);
    QVERIFY(messages_.entries()[0].text.contains("colors.~fg"));
    QVERIFY(colors == Distinct());
    QVERIFY(!saved);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(ReadText(folder_ / kColorsFile), std::string("1\n2\n3\n4\n5\n6\n7\n"));
  }

private:
  static QPushButton* Button(QWidget& form, const QString& caption) {
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
      if (button->text() == caption) {
        return button;
      }
    }
    qFatal("no button \"%s\"", qPrintable(caption));
    return nullptr;
  }

  QTemporaryDir dir_;
  std::filesystem::path folder_;
  ScriptedMessageService messages_;
};

namespace {
const testing::DialogTestRegistration<ColorsTest> registration;
} // namespace

} // namespace turnsim

#include "dialogs_colors_test.moc"
