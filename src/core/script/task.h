// A task (a source and target pair with its languages) and the chain of open tasks.
#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace tarvelo {

// One source/target pair with its two languages.
struct Task {
  QString sourcePath;
  int sourceLanguage = -1;
  QString targetPath; // empty while the target is to be specified later
  int targetLanguage = -1;
  QString name;
  // Reported by the reader of the source: its #include lines outside conditional
  // blocks, and whether a LANGUAGE statement named the source language.
  QString header;
  bool languageFound = false;
  // The resource header (resource.h) of a compiled source and target, whose macros
  // name the numbers of the script decompiled from them; empty for none.
  QString sourceHeader;
};

// The open tasks in order; the head is the task the user opened. Scripts included
// by a source and the tasks of a project follow it.
class TaskChain {
public:
  Task *head() const { return m_tasks.empty() ? nullptr : m_tasks.front().get(); }
  int size() const { return int(m_tasks.size()); }
  Task *at(int index) const { return m_tasks[size_t(index)].get(); }
  int indexOf(const Task *task) const;
  Task *next(const Task *task) const;

  Task *append();
  Task *insertAfter(const Task *task);
  // Removes every task after the head.
  void removeFurther();
  void remove(const Task *task);
  void clear() { m_tasks.clear(); }

private:
  std::vector<std::unique_ptr<Task>> m_tasks;
};

} // namespace tarvelo
