// How reading or writing a resource script ended.
#pragma once

namespace tarvelo {

// A syntax error has been shown to the user when it is returned; a cancelled read
// leaves nothing of the task behind.
enum class ScriptResult { Ok, SyntaxError, Cancelled };

} // namespace tarvelo
