// Secrets a command takes without showing them: keys and memory locations.
#pragma once

// Secrets a command takes without showing them to other users: a key from the
// environment or from a file of the owner's alone, a memory location from a variable.

#include "cli/cli_arguments.h"

#include <QString>

namespace tarvelo::cli {

// The environment variable that holds the machine-translation key.
inline constexpr char kMtKeyVariable[] = "TARVELO_MT_KEY";

// The machine-translation key: the first line of --mt-key-file FILE (refused unless
// only its owner may read it), else --mt-key KEY (with a warning: every user of the
// machine sees a command line), else TARVELO_MT_KEY. False with the reason in error.
bool readMtKey(const CliArguments &read, QString &key, QString &error);

// Whether a file may hold a secret: a regular file that only its owner, who runs this
// program, may read or write. False with the reason in error.
bool isOwnersSecretFile(const QString &path, QString &error);

// The memory location of --tm DIR, or of --tm-env VARIABLE (the variable's value).
// False with the reason in error when the variable is empty or both are given.
bool readMemoryLocation(const CliArguments &read, QString &location, QString &error);

} // namespace tarvelo::cli
