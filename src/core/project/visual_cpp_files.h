// The resource scripts a Visual C++ workspace or project names.
#pragma once

#include <QString>
#include <atomic>
#include <functional>

namespace tarvelo {

// Hands every resource script that a Visual C++ workspace or project names to
// candidate, as a path resolved with the path rules of files written on Windows.
// The file is read by its extension: .dsw (its .dsp projects), .dsp, .sln (its
// .vcproj and .vcxproj projects), .vcproj and .vcxproj; any other starts nothing.
// Malformed files give what could be read before the fault.
void searchVisualCppFile(const QString &path, const std::function<void(const QString &)> &candidate,
                         const std::atomic_bool &stop);

} // namespace tarvelo
