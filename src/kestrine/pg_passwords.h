// Passwords kept out of libpq's messages.
#pragma once

// Passwords kept out of the messages of libpq, which repeats a connection string it
// cannot parse, password and all.

#include <string>
#include <string_view>

namespace kestrine::pg {

// The text with "***" for every password that the connection string holds (in its
// user information or as "password=", as written and percent-decoded, when at least
// three characters long) and for every password the text itself shows in the same
// two forms.
std::string withoutPasswords(std::string text, std::string_view connection);

} // namespace kestrine::pg
