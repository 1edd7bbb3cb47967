// The main-window fixture of the window tests.
#include "tests/app/window_fixture.h"

#include <fstream>

#include <QDir>
#include <QTest>

namespace turnsim::testing {

namespace fs = std::filesystem;

JobFolder::JobFolder(const char* job) : path_(dir_.path().toStdString()) {
  const fs::path samples(SAMPLES_DIR);
  for (const auto& entry : fs::directory_iterator(samples / "jobs" / job)) {
    fs::copy_file(entry.path(), path_ / entry.path().filename());
  }
  for (const char* name : {"ddff1.ibm", "ddff2.ibm", "colors.~fg"}) {
    fs::copy_file(samples / name, path_ / name, fs::copy_options::overwrite_existing);
  }
  fs::copy_file(samples / "colors.~fg", path_ / "colors.cfg", fs::copy_options::overwrite_existing);
  previous_ = fs::current_path();
  fs::current_path(path_);
}

JobFolder::~JobFolder() {
  fs::current_path(previous_);
}

QString JobFolder::Model() const {
  const QStringList models =
      QDir(QString::fromStdString(path_.string())).entryList({QStringLiteral("*.~~")});
  return models.isEmpty() ? QString()
                          : QString::fromStdString((path_ / models.first().toStdString()).string());
}

WindowFixture::WindowFixture(const char* job) : folder(job) {
  auto answering = std::make_unique<AnsweringFiles>();
  auto counting = std::make_unique<CountingViewer>();
  files = answering.get();
  viewer = counting.get();
  window = std::make_unique<TFTornis>(messages, std::move(answering), std::move(counting),
                                      folder.Path());
  window->SetEndProcess([this](int code) { endCodes.push_back(code); });
  window->FormCreate();
  window->CreateDialogs(false);
}

void WindowFixture::Open() {
  window->OpenModel(folder.Model());
}

void WindowFixture::WriteProgram(const char* clfile) {
  std::ofstream(folder.Path() / "Clfile.txt") << clfile;
}

bool WindowFixture::StepToMotion() {
  for (;;) {
    const std::optional<int> result = window->AnimationStep();
    if (!result || *result == kNoCommandLeft) {
      return false;
    }
    if (*result == kMotionExecuted) {
      return true;
    }
  }
}

} // namespace turnsim::testing
