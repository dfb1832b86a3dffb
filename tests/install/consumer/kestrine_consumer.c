/* A program of someone else's, built against the installed Kestrine: it opens a memory,
 * learns a pair and finds it again.
 *   kestrine_consumer FOLDER EXPECTED_VERSION */
#include <kestrine/kestrine.h>

#include <stdio.h>
#include <string.h>

static int same(const char16_t *text, const char16_t *expected) {
  size_t i = 0;
  for (; text[i] && expected[i]; ++i)
    if (text[i] != expected[i])
      return 0;
  return text[i] == expected[i];
}

int main(int argc, char **argv) {
  if (argc != 3)
    return 2;
  if (strcmp(KESTRINE_VERSION_STRING, argv[2]) != 0) {
    fprintf(stderr, "the header says %s, the package %s\n", KESTRINE_VERSION_STRING, argv[2]);
    return 1;
  }
  char16_t folder[512];
  size_t i = 0;
  for (; argv[1][i] && i + 1 < sizeof folder / sizeof *folder; ++i)
    folder[i] = (char16_t)(unsigned char)argv[1][i];
  folder[i] = 0;
  SetTMPath(folder);
  if (!ConnectTM(1033, 1031)) {
    fprintf(stderr, "ConnectTM failed\n");
    return 1;
  }
  const char16_t *source = u"Open file", *target = u"Datei \u00f6ffnen";
  if (AddPair(source, target, 1) != 1) {
    fprintf(stderr, "AddPair failed\n");
    return 1;
  }
  TmTextList found = {0};
  const int32_t count = GetTM(source, &found);
  const int ok = count == 1 && same(found.items[0], target);
  FreeTM(&found);
  DisconnectTM();
  printf("%s: %d translation(s) found\n", ok ? "found" : "missing", (int)count);
  return ok ? 0 : 1;
}
