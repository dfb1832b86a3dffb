#pragma once

namespace tarvelo::cli {

// Prepares the process's heap for a batch run over whole scripts (see the source).
void tuneProcessMemory();

} // namespace tarvelo::cli
