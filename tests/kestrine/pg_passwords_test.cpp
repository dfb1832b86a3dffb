// Passwords taken out of messages: those of the connection string and those the
// message shows itself.

#include "pg_passwords.h"

#include <gtest/gtest.h>

namespace kestrine_test {
namespace {

using kestrine::pg::withoutPasswords;

TEST(PgPasswords, MessagesKeepEverythingButThePassword) {
  const struct {
    const char *message, *connection, *expected;
  } cases[] = {
      {R"(end of string reached in URI: "postgresql://clerk:pa55-w0rd@[::1/db")",
       "postgresql://clerk:pa55-w0rd@[::1/db",
       R"(end of string reached in URI: "postgresql://clerk:***@[::1/db")"},
      {R"(invalid percent-encoded token: "pa55%zzw0rd")", "postgresql://clerk:pa55%zzw0rd@h/db",
       R"(invalid percent-encoded token: "***")"},
      // Decoded, as libpq may repeat it.
      {"password authentication failed: pa55-w0rd", "postgresql://clerk:pa55%2Dw0rd@h/db",
       "password authentication failed: ***"},
      {"bad: host=h password=s3cret port=x", "host=h password=s3cret port=x",
       "bad: host=h password=*** port=x"},
      {"URI postgres://u:other@h/db?password=more&x=1", "postgresql:///db",
       "URI postgres://u:***@h/db?password=***&x=1"},
      // No password: nothing changes, an at-sign in a host or a name included.
      {"connection to server at \"h\" failed: user@h", "postgresql://clerk@h/db",
       "connection to server at \"h\" failed: user@h"},
      {"postgresql://clerk@[::1]:5432/db refused", "postgresql://clerk@[::1]:5432/db",
       "postgresql://clerk@[::1]:5432/db refused"},
      // Too short to find without its context; its context still gives it away.
      {"u:ab@h and ab", "postgresql://u:ab@h/db", "u:ab@h and ab"},
      {"at postgresql://u:ab@h/db", "postgresql://u:ab@h/db", "at postgresql://u:***@h/db"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(withoutPasswords(c.message, c.connection), c.expected) << c.message;
}

} // namespace
} // namespace kestrine_test
