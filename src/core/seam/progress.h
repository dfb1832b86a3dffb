// How a long operation reports its progress and learns of a cancel.
#pragma once

#include <QString>

namespace tarvelo {

// A long operation reports through Progress and asks it whether the user cancelled.
// The GUI shows its progress window; the command line and tests may ignore it.
class Progress {
public:
  virtual ~Progress() = default;

  virtual void begin(const QString &title) = 0; // shows the window
  virtual void setText(const QString &text) = 0;
  virtual void setRange(int minimum, int maximum) = 0;
  virtual void setPosition(int position) = 0;
  virtual void serve() = 0; // lets the user interface breathe between steps
  virtual bool cancelled() const = 0;
  virtual void end() = 0; // closes the window
};

// Shows nothing and is never cancelled.
class NullProgress : public Progress {
public:
  void begin(const QString &) override {}
  void setText(const QString &) override {}
  void setRange(int, int) override {}
  void setPosition(int) override {}
  void serve() override {}
  bool cancelled() const override { return false; }
  void end() override {}
};

} // namespace tarvelo
