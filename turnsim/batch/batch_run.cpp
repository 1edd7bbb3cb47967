// turnsim-batch: the same simulation as the window program, with texts on the console and the
// results in files.
#include "turnsim/batch/batch_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "turnsim/app/colors_config.h"
#include "turnsim/app/view_profile.h"
#include "turnsim/batch/progress_bar.h"
#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/export/gx_file.h"
#include "turnsim/export/part_solid.h"
#include "turnsim/export/profile_listing.h"
#include "turnsim/export/scene_export.h"
#include "turnsim/geometry/area.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/simulation/simulation.h"

namespace turnsim {

namespace {

constexpr int kExitFatal = 2;
constexpr int kExitUsage = 64;

// Core texts become counted warnings on stderr; a progress bar in the way is cleared first.
class ConsoleMessages : public Messages {
public:
  ConsoleMessages(std::FILE* err, ProgressBar*& bar) : err_(err), bar_(bar) {}
  void Show(std::string_view text) override {
    if (bar_) {
      bar_->Finish();
    }
    ++count;
    std::fprintf(err_, "turnsim-batch: warning: %.*s\n", static_cast<int>(text.size()),
                 text.data());
  }
  void Beep() override {}
  std::int64_t count = 0;

private:
  std::FILE* err_;
  ProgressBar*& bar_;
};

// The batch runner shows no status bar.
class SilentObserver : public SimulationObserver {
public:
  void StatusText(StatusPanel, const std::string&) override {}
};

// JSON text of a string: quotes and control characters escaped.
std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

void PrintError(std::FILE* err, const std::string& text) {
  std::fprintf(err, "turnsim-batch: %s\n", text.c_str());
}

// The full view after the run, in the colours of colors.cfg when the working directory has one.
void WritePng(const std::string& file, Simulation& sim) {
  ViewColors colours;
  if (std::filesystem::exists("colors.cfg")) {
    LoadColors({}, colours, CurrentMessages());
  }
  QImage image;
  ProfileView view;
  if (!view.DrawFullView(image, sim, colours, 0)) {
    throw ExportError("the view could not be drawn");
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    throw ExportError("the view could not be encoded as PNG");
  }
  WriteFileAtomically(file, [&bytes](std::ostream& out) {
    out.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
  });
}

// The files asked for on the command line, from the cut profile of the run.
void WriteOutputs(const BatchOptions& o, Simulation& sim) {
  const bool needsCut = !o.dxfFile.empty() || o.partX || o.scene || !o.pngFile.empty();
  if (needsCut && !sim.CutDone) {
    throw ExportError("no motion was executed, so there is no cut profile to export");
  }
  if (!o.listFile.empty()) {
    ProfileWriter writer;
    writer.SetProfile(sim.CutProfile);
    WriteFileAtomically(o.listFile, [&writer](std::ostream& file) {
      for (const std::string& line : ProfileListing(writer)) {
        file << line << '\n';
      }
    });
  }
  if (!o.dxfFile.empty()) {
    ProfileWriter writer;
    writer.SetProfile(sim.CutProfile);
    writer.WriteDxf(o.dxfFile);
  }
  if (o.partX) {
    GXfile part(o.radialApprox, kShapePart);
    if (!WritePartSolid(part, sim.CutProfile, o.lineApprox, 0)) {
      throw ExportError("\"aprox.x\" could not be written");
    }
  }
  if (!o.pngFile.empty()) {
    WritePng(o.pngFile, sim);
  }
  if (o.scene) {
    const std::size_t index = static_cast<std::size_t>(sim.MachineToolIndex);
    const Machine* machine = index < sim.MachineTools.size() ? &sim.MachineTools[index] : nullptr;
    ExportScene(SceneInputs{.cutProfile = sim.CutProfile,
                            .tool = sim.Tool,
                            .currentCommand = sim.CurrentCommand,
                            .machine = machine,
                            .machineToolChosen = sim.MachineToolChosen,
                            .reference = sim.Reference(),
                            .lineApprox = o.lineApprox,
                            .radialApprox = o.radialApprox,
                            .angleX = o.angleX,
                            .angleY = o.angleY,
                            .angleZ = o.angleZ});
  }
}

} // namespace

std::string SummaryLine(const BatchSummary& s) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer,
                "%s: %lld commands, %lld motions (%lld tolerant, %lld refused), %lld warnings; "
                "profile of %lld elements, area %.3f mm2; %.3f s",
                s.model.c_str(), static_cast<long long>(s.commands),
                static_cast<long long>(s.motions), static_cast<long long>(s.tolerant),
                static_cast<long long>(s.refused), static_cast<long long>(s.warnings),
                static_cast<long long>(s.elements), s.areaMm2, s.seconds);
  return buffer;
}

void WriteSummaryJson(std::ostream& out, const BatchSummary& s) {
  char area[64];
  char seconds[64];
  std::snprintf(area, sizeof area, "%.6f", s.areaMm2);
  std::snprintf(seconds, sizeof seconds, "%.6f", s.seconds);
  out << "{\n"
      << "  \"model\": " << JsonString(s.model) << ",\n"
      << "  \"commands\": " << s.commands << ",\n"
      << "  \"motions\": " << s.motions << ",\n"
      << "  \"tolerant\": " << s.tolerant << ",\n"
      << "  \"refused\": " << s.refused << ",\n"
      << "  \"warnings\": " << s.warnings << ",\n"
      << "  \"elements\": " << s.elements << ",\n"
      << "  \"area_mm2\": " << area << ",\n"
      << "  \"seconds\": " << seconds << "\n"
      << "}\n";
}

int RunBatch(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
             bool errIsTerminal) {
  const ParsedOptions parsed = ParseBatchOptions(args);
  if (!parsed.error.empty()) {
    PrintError(err, parsed.error);
    std::fputs(BatchUsage().c_str(), err);
    return kExitUsage;
  }
  const BatchOptions& o = parsed.options;
  if (o.help) {
    std::fputs(BatchUsage().c_str(), out);
    return 0;
  }
  if (o.version) {
    std::fprintf(out, "turnsim-batch %s\n", TURNSIM_VERSION);
    return 0;
  }

  ProgressBar* bar = nullptr;
  ConsoleMessages messages(err, bar);
  MessagesScope scope(messages);
  SilentObserver observer;
  Simulation sim(observer);
  BatchSummary summary;
  summary.model = o.model;
  try {
    sim.ReadMachineList();
    if (o.machine) {
      if (static_cast<std::size_t>(*o.machine) >= sim.MachineTools.size()) {
        PrintError(err, "--machine " + std::to_string(*o.machine) + ": mach.lib lists " +
                            std::to_string(sim.MachineTools.size()) + " machine tools");
        return kExitUsage;
      }
      sim.MachineToolIndex = *o.machine;
      sim.MachineToolChosen = true;
    }
    sim.Settings.AnimationStep = o.animationStep;
    sim.Settings.CldataSource = o.binary ? kCldataBinary : kCldataText;
    sim.Settings.WriteBinaryCldata = o.writeBinary;
    sim.Settings.LineApprox = o.lineApprox;
    sim.Settings.RadialApprox = o.radialApprox;
    sim.Settings.AngleX = o.angleX;
    sim.Settings.AngleY = o.angleY;
    sim.Settings.AngleZ = o.angleZ;

    const auto started = std::chrono::steady_clock::now();
    sim.OpenModel(o.model);
    const std::int64_t total = o.steps ? std::min<std::int64_t>(*o.steps, sim.CommandList.size())
                                       : static_cast<std::int64_t>(sim.CommandList.size());
    ProgressBar progress(err, errIsTerminal && !o.quiet, total);
    bar = &progress;
    std::int64_t done = 0;
    while (done < total && sim.AnimationStepRun() != kNoCommandLeft) {
      ++done;
      progress.Update(done);
    }
    progress.Finish();
    bar = nullptr;
    summary.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    WriteOutputs(o, sim);
  } catch (const FatalExit& e) {
    if (bar) {
      bar->Finish();
    }
    PrintError(err, std::string("fatal: ") + e.what());
    return kExitFatal;
  } catch (const ConversionError& e) {
    PrintError(err, std::string("fatal: ") + e.what());
    return kExitFatal;
  } catch (const std::exception& e) {
    PrintError(err, std::string("fatal: ") + e.what());
    return kExitFatal;
  }

  summary.commands = sim.Counters.commands;
  summary.motions = sim.Counters.motions;
  summary.tolerant = sim.Counters.tolerant;
  summary.refused = sim.Counters.refused;
  summary.warnings = messages.count;
  summary.elements = static_cast<std::int64_t>(sim.CutProfile.size());
  summary.areaMm2 = ProfileArea(sim.CutProfile);
  std::fprintf(out, "%s\n", SummaryLine(summary).c_str());
  if (!o.summaryJson.empty()) {
    try {
      WriteFileAtomically(o.summaryJson,
                          [&summary](std::ostream& file) { WriteSummaryJson(file, summary); });
    } catch (const std::exception& e) {
      PrintError(err, std::string("cannot write ") + o.summaryJson + ": " + e.what());
      return kExitFatal;
    }
  }
  return 0;
}

} // namespace turnsim
