// The main window's commands by id: running them and bringing their actions up to date.
#include "workbench/command_registry.h"

#include "workbench/command_table.h"

#include <QAction>

namespace tarvelo::gui {

void CommandRegistry::add(CommandId id, std::function<void()> run, std::function<bool()> enabled,
                          std::function<bool()> checked) {
  Q_ASSERT(!m_handlers.contains(id));
  m_handlers.insert(id, {std::move(run), std::move(enabled), std::move(checked)});
}

void CommandRegistry::add(std::initializer_list<CommandId> ids,
                          const std::function<void(CommandId)> &run,
                          const std::function<bool()> &enabled) {
  for (CommandId id : ids)
    add(
        id, [run, id] { run(id); }, enabled);
}

bool CommandRegistry::run(CommandId id) const {
  const auto found = m_handlers.constFind(id);
  if (found == m_handlers.cend() || !found->run)
    return false;
  found->run();
  return true;
}

void CommandRegistry::refresh() const {
  for (auto it = m_handlers.cbegin(); it != m_handlers.cend(); ++it) {
    QAction *action = m_table.action(CommandId(it.key()));
    if (!action)
      continue;
    if (it->enabled)
      action->setEnabled(it->enabled());
    if (it->checked)
      action->setChecked(it->checked());
  }
}

} // namespace tarvelo::gui
