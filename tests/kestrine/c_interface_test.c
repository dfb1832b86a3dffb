/* The public header and every export, used from C.
 *
 *   test_kestrine_c FOLDER     (an ASCII path; the memory there is replaced)
 */
#include "kestrine.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures = 0;

#define CHECK(condition)                                                                           \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                \
      ++failures;                                                                                  \
    }                                                                                              \
  } while (0)

/* Widens ASCII into a caller buffer. */
static const char16_t *wide(const char *text, char16_t *buffer, size_t size) {
  size_t i = 0;
  for (; text[i] && i + 1 < size; ++i)
    buffer[i] = (char16_t)(unsigned char)text[i];
  buffer[i] = 0;
  return buffer;
}

static int equals(const char16_t *text, const char *ascii) {
  size_t i = 0;
  for (; ascii[i]; ++i) {
    if (text[i] != (char16_t)(unsigned char)ascii[i])
      return 0;
  }
  return text[i] == 0;
}

static int startsWith(const char16_t *text, const char16_t *prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i) {
    if (text[i] != prefix[i])
      return 0;
  }
  return 1;
}

static void removeMemory(const char *folder) {
  static const char *const suffixes[] = {"", "-wal", "-shm"};
  char path[4096];
  for (size_t i = 0; i < sizeof suffixes / sizeof *suffixes; ++i) {
    snprintf(path, sizeof path, "%s/Kestrine.db%s", folder, suffixes[i]);
    remove(path);
  }
}

int main(int argc, char **argv) {
  char16_t folder[4096];
  char16_t a[64];
  char16_t b[64];
  char16_t version[KESTRINE_VERSION_LENGTH + 1];
  static const char16_t zeros[5] = {0, 0, 0, 0, 0};
  TmTextList list = {0};
  TmTextList sources = {0};
  TmTextList targets = {0};
  const char16_t *wordTexts[2];
  TmTextList words = {0};
  int32_t stored = -1;
  int32_t scores[3] = {-1, -1, -1};
  char16_t reason[64];
  const char16_t *lent;
  int32_t code = -1;

  if (argc != 2) {
    fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 64;
  }
  removeMemory(argv[1]);

  version[KESTRINE_VERSION_LENGTH] = u'#';
  CHECK(GetTMVersion(version) == 1);
  CHECK(equals(version, "2.5"));
  CHECK(memcmp(version + 3, zeros, sizeof zeros) == 0);
  CHECK(version[KESTRINE_VERSION_LENGTH] == u'#');

  SetTMPath(wide(argv[1], folder, 4096));
  CHECK(ConnectTM(1033, 0) == 0);
  CHECK(ConnectTM(1033, 1029) == 1);

  CHECK(AddPair(wide(" Open ", a, 64), wide("Otevrit", b, 64), 1) == 1);
  CHECK(AddPair(wide("Open", a, 64), wide("Otevri", b, 64), 3) == 1);
  CHECK(AddPair(wide("Open", a, 64), wide("", b, 64), 1) == 0);
  CHECK(AddPair(wide("Open file", a, 64), wide("Otevrit soubor", b, 64), 1) == 1);
  CHECK(GetTMError(reason, 64) == KESTRINE_OK && reason[0] == 0);
  lent = GetTMLastError(&code);
  CHECK(lent != NULL && lent[0] == 0 && code == KESTRINE_OK);

  CHECK(GetTM(wide(" OPEN", a, 64), &list) == 2);
  CHECK(list.count == 2 && equals(list.items[0], " Otevri") && equals(list.items[1], " Otevrit"));
  FreeTM(&list);
  CHECK(list.count == 0 && list.items == NULL && list.reserved == NULL);

  wordTexts[0] = u"open";
  wordTexts[1] = u"file";
  words.count = 2;
  words.items = wordTexts;
  CHECK(SearchTM(&words, 1, &sources, &targets) == 1);
  CHECK(sources.count == 1 && equals(sources.items[0], "Open file"));
  CHECK(targets.count == 1 && equals(targets.items[0], "Otevrit soubor"));
  CHECK(SearchTM(&words, 0, &sources, &targets) == 3);
  FreeTM(&sources);
  FreeTM(&targets);
  FreeTM(&words); /* the caller's own texts: only reset */
  CHECK(words.count == 0 && wordTexts[0][0] == u'o');

  CHECK(DeletePair(wide("open", a, 64), wide("OTEVRI", b, 64)) == 1);
  CHECK(GetTM(wide("Open", a, 64), &list) == 1);
  FreeTM(&list);

  CHECK(BeginTMBatch() == 1);
  CHECK(AddPair(wide("Close", a, 64), wide("Zavrit", b, 64), 1) == 1);
  CHECK(EndTMBatch() == 1);
  CHECK(GetTM(wide("Close", a, 64), &list) == 1);
  FreeTM(&list);

  SetTMBusyTimeout(1000);
  CHECK(BeginTMBatch() == 1);
  CHECK(AddPair(wide("Save", a, 64), wide("Ulozit", b, 64), 1) == 1);
  CHECK(AddPair(wide("Save", a, 64), wide("", b, 64), 1) == 0);
  CHECK(EndTMBatchCounted(&stored) == 1 && stored == 1);
  CHECK(LookupTM(wide("Save", a, 64), &list) == 1);
  CHECK(list.count == 1 && equals(list.items[0], "Ulozit"));
  FreeTM(&list);
  CHECK(LookupTM(wide("Nothing", a, 64), &list) == 0);
  CHECK(EndTMBatchCounted(&stored) == KESTRINE_BATCH_STORED && stored == 0); /* no batch */

  CHECK(FuzzyTM(wide(" OPEN fil", a, 64), 50, 3, &sources, &targets, scores) == 2);
  CHECK(sources.count == 2 && equals(sources.items[0], "Open file") &&
        equals(sources.items[1], "Open"));
  CHECK(targets.count == 2 && equals(targets.items[0], " Otevrit soubor") &&
        equals(targets.items[1], " Otevrit"));
  CHECK(scores[0] == 88 && scores[1] == 50 && scores[2] == -1);
  CHECK(FuzzyTM(wide("Open fil", a, 64), 51, 3, &sources, &targets, NULL) == 1);
  CHECK(FuzzyTM(wide("close", a, 64), 100, 3, &sources, &targets, scores) == 1);
  CHECK(scores[0] == 100 && equals(targets.items[0], "Zavrit"));
  CHECK(FuzzyTM(wide("close", a, 64), 100, 0, &sources, &targets, scores) == 0);
  CHECK(sources.count == 0 && targets.count == 0);
  CHECK(FuzzyTM(wide("close", a, 64), 100, 3, &sources, &sources, scores) == -1);
  FreeTM(&sources);
  FreeTM(&targets);

  DisconnectTM();
  CHECK(FuzzyTM(wide("Close", a, 64), 50, 3, &sources, &targets, scores) == -1);
  CHECK(sources.count == 0 && targets.count == 0);
  CHECK(LookupTM(wide("Close", a, 64), &list) == KESTRINE_READ_FAILED);
  CHECK(list.count == 0);
  CHECK(GetTM(wide("Close", a, 64), &list) == 0);
  CHECK(DeletePair(wide("Close", a, 64), wide("Zavrit", b, 64)) == 0);
  CHECK(GetTMError(reason, 64) == KESTRINE_FAILED && reason[0] != 0);
  /* The lent reason is the copied one, whole, and stays until this thread calls again. */
  lent = GetTMLastError(&code);
  CHECK(code == KESTRINE_FAILED && lent[0] != 0);
  CHECK(startsWith(lent, reason));
  CHECK(GetTMLastError(NULL) == lent);
  CHECK(BeginTMBatch() == 0);
  CHECK(GetTMVersion(version) == 1); /* leaves the note of the last call alone */
  CHECK(GetTMError(NULL, 0) == KESTRINE_FAILED);
  FreeTM(&list);
  CHECK(GetTMLastError(&code)[0] != 0 && code == KESTRINE_FAILED);
  CHECK(ConnectTM(1033, 1029) == 1);
  CHECK(GetTMLastError(&code)[0] == 0 && code == KESTRINE_OK);
  DisconnectTM();

  removeMemory(argv[1]);
  if (failures)
    fprintf(stderr, "%d checks failed\n", failures);
  return failures ? 1 : 0;
}
