// The chain of open tasks.
#include "script/task.h"

namespace tarvelo {

int TaskChain::indexOf(const Task *task) const {
  for (size_t i = 0; i < m_tasks.size(); ++i)
    if (m_tasks[i].get() == task)
      return int(i);
  return -1;
}

Task *TaskChain::next(const Task *task) const {
  const int index = indexOf(task);
  return index >= 0 && index + 1 < size() ? at(index + 1) : nullptr;
}

Task *TaskChain::append() {
  m_tasks.push_back(std::make_unique<Task>());
  return m_tasks.back().get();
}

Task *TaskChain::insertAfter(const Task *task) {
  const int index = indexOf(task);
  auto it = index < 0 ? m_tasks.end() : m_tasks.begin() + index + 1;
  return m_tasks.insert(it, std::make_unique<Task>())->get();
}

void TaskChain::removeFurther() {
  if (m_tasks.size() > 1)
    m_tasks.erase(m_tasks.begin() + 1, m_tasks.end());
}

void TaskChain::remove(const Task *task) {
  const int index = indexOf(task);
  if (index >= 0)
    m_tasks.erase(m_tasks.begin() + index);
}

} // namespace tarvelo
