// How the core reports to the user: informational texts and beeps go to a Messages sink that
// the caller installs; fatal errors are FatalExit exceptions that the program turns into an
// exit code at its top.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace turnsim {

// Receives the texts the core shows. The window program shows a modal box, turnsim-batch
// writes to stderr, tests record.
class Messages {
public:
  virtual ~Messages() = default;
  virtual void Show(std::string_view text) = 0;
  virtual void Beep() = 0;
};

// A failure that ends the process: the text is shown, then the process exits with `code`.
// Thrown by the core instead of calling exit(); nothing is saved on the way out.
class FatalExit : public std::runtime_error {
public:
  FatalExit(std::string text, int code) : std::runtime_error(std::move(text)), code_(code) {}
  int code() const { return code_; }

private:
  int code_;
};

// A number typed or read that does not convert. The command stops; the program goes on.
class ConversionError : public std::runtime_error {
public:
  explicit ConversionError(const std::string& text) : std::runtime_error(text) {}
};

// The sink that core code reports to on this thread. Without an installed sink the texts go to
// stderr.
Messages& CurrentMessages();

// Shows a text through the current sink.
void ShowMessage(std::string_view text);

// Installs a sink for the lifetime of the scope and restores the previous one afterwards.
class MessagesScope {
public:
  explicit MessagesScope(Messages& sink);
  ~MessagesScope();
  MessagesScope(const MessagesScope&) = delete;
  MessagesScope& operator=(const MessagesScope&) = delete;

private:
  Messages* previous_;
};

// Writes every text to stderr, one line each; counts what it showed.
class StderrMessages : public Messages {
public:
  void Show(std::string_view text) override;
  void Beep() override;
  int shown() const { return shown_; }

private:
  int shown_ = 0;
};

} // namespace turnsim
