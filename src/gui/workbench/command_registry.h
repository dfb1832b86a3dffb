// The main window's commands by id: how each runs, when it is enabled and checked.
#pragma once

#include "workbench/command_ids.h"

#include <QHash>
#include <functional>

class QAction;

namespace tarvelo::gui {

class CommandTable;

// What a command does and when it is offered. An empty `enabled` leaves the action
// always enabled; an empty `checked` leaves its check alone.
struct CommandHandler {
  std::function<void()> run;
  std::function<bool()> enabled;
  std::function<bool()> checked;
};

// Every command registered once, beside its action; refresh() brings each action's
// enabled and checked state in line with the state its functions read.
class CommandRegistry {
public:
  explicit CommandRegistry(const CommandTable &table) : m_table(table) {}

  void add(CommandId id, std::function<void()> run, std::function<bool()> enabled = {},
           std::function<bool()> checked = {});
  // Several commands that share the rule for their state.
  void add(std::initializer_list<CommandId> ids, const std::function<void(CommandId)> &run,
           const std::function<bool()> &enabled = {});
  bool contains(CommandId id) const { return m_handlers.contains(id); }
  // Runs the command whatever its state (the caller asked for it); false when no
  // command has the id.
  bool run(CommandId id) const;
  void refresh() const;

private:
  const CommandTable &m_table;
  QHash<int, CommandHandler> m_handlers;
};

} // namespace tarvelo::gui
