// A main window on a working folder made from a demo job, with scripted message boxes, a file
// chooser that answers from fields, a viewer start that only counts, and recorded exit codes.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "turnsim/app/file_chooser.h"
#include "turnsim/app/message_service.h"
#include "turnsim/app/tf_tornis.h"
#include "turnsim/app/viewer_launcher.h"

namespace turnsim::testing {

class AnsweringFiles : public FileChooser {
public:
  QString OpenModel() override { return model; }
  QString SaveDxf() override { return dxf; }
  QString model; // empty: the dialog is cancelled
  QString dxf;
};

class CountingViewer : public ViewerLauncher {
public:
  bool Start() override {
    ++starts;
    return true;
  }
  int starts = 0;
};

// Scripted boxes that can also run code while an information box is "open", as the timer does
// behind a real modal box.
class HookedMessages : public ScriptedMessageService {
public:
  void Information(const QString& text) override {
    ScriptedMessageService::Information(text);
    if (whileOpen) {
      whileOpen();
    }
  }
  std::function<void()> whileOpen;
};

// Copies samples/jobs/<job> and the DXF templates into a temporary folder and makes it the
// working directory for the fixture's lifetime.
class JobFolder {
public:
  explicit JobFolder(const char* job);
  ~JobFolder();
  JobFolder(const JobFolder&) = delete;
  JobFolder& operator=(const JobFolder&) = delete;

  std::filesystem::path Path() const { return path_; }
  // The job's model file (the one *.~~ in it).
  QString Model() const;

private:
  QTemporaryDir dir_;
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

class WindowFixture {
public:
  explicit WindowFixture(const char* job = "shaft");

  // Opens the job's model as "Open MODT file" would after the dialog.
  void Open();
  // Replaces the job's program with the given text.
  void WriteProgram(const char* clfile);
  // Runs steps until a motion was executed; false when the program ended first.
  bool StepToMotion();

  JobFolder folder;
  HookedMessages messages;
  AnsweringFiles* files;
  CountingViewer* viewer;
  std::unique_ptr<TFTornis> window;
  std::vector<int> endCodes;
};

} // namespace turnsim::testing
