// Kestrine's plain C interface: the translation memory's exports and their rules.
/*
 * Kestrine: the translation memory of Tarvelo, behind a plain C interface.
 *
 * The memory keeps pairs of a source text and its translation, one table per pair of
 * primary languages, in the file "Kestrine.db" of the memory folder, or on a PostgreSQL
 * server when the location given to SetTMPath is a connection URI ("postgresql://..." or
 * "postgres://...", as libpq reads it: a service of pg_service.conf and a password from
 * ~/.pgpass included). Both stores behave the same through every export.
 *
 * Rules of this interface
 * - Texts are zero-terminated UTF-16 strings. The library reads them during the call
 *   only and never keeps a pointer to them. A null text counts as an empty one.
 * - Languages are Windows language identifiers; only the primary language (the low 10
 *   bits) chooses the table. 0 means no language.
 * - A TmTextList belongs to the caller, who creates it zero-initialised
 *   (TmTextList list = {0};) and destroys it. The entries and the storage behind `items`
 *   are allocated only by the library (GetTM, SearchTM) and released only by FreeTM.
 *   Call FreeTM before destroying a list the library filled. GetTM and SearchTM empty
 *   the lists they are given before filling them, so reusing a list for them is safe.
 * - The word list of SearchTM may instead be filled by the caller: `count` texts at
 *   `items`, with `reserved` left null. The library only reads such a list, and FreeTM
 *   merely resets it to empty without freeing anything.
 * - No function throws, shows anything or aborts; failures show only in the results.
 * - Every function may be called from any thread. One lock serialises the calls on the
 *   memory: SetTMPath, ConnectTM, DisconnectTM, SetTMBusyTimeout and every call that
 *   reads or writes the connected memory take it for their whole length, so that
 *   connecting, disconnecting or switching to another location never meets a call halfway.
 *   GetTMVersion, FreeTM, GetTMError, GetTMLastError, CheckTMPath and CopyTM do not take it.
 * - DisconnectTM before unloading. An open batch is committed by EndTMBatch, by
 *   DisconnectTM, and at the latest when the library is unloaded.
 * - The nine exports from GetTMVersion to FreeTM are the original interface. The later
 *   ones (the batch, LookupTM, SetTMBusyTimeout, ListTM, FuzzyTM, CheckTMPath, CopyTM,
 *   GetTMError, GetTMLastError) may be missing from another build of the library: bind
 *   them by name and do without them when absent.
 * - Why a call failed, GetTMError and GetTMLastError tell right after it, on the same thread.
 *
 * Which calls may block, and for how long
 * - A call that takes the lock first waits for another thread's call in progress.
 * - On a folder: a write (AddPair, DeletePair, EndTMBatch, DisconnectTM with a batch open,
 *   ConnectTM when it creates a table) waits for another program's write lock up to the
 *   busy time-out (SetTMBusyTimeout; 5 seconds unless set), and ConnectTM as long again to
 *   put a new file into WAL mode. Inside a batch, AddPair waits only where the batch
 *   commits and starts over, about once a second. The first write after a file was opened
 *   reads the whole file once to check its pages. Reads do not wait for writers; they wait
 *   up to the busy time-out only for a program that holds the file exclusively.
 * - On a server: ConnectTM, and a call that finds the connection lost (it reconnects once),
 *   wait up to 10 seconds for each address of the server (unless the URI sets
 *   connect_timeout); a write waits up to the busy time-out for another client's lock; no
 *   statement runs longer than 30 seconds (unless the URI sets statement_timeout).
 * - CheckTMPath waits for a server as ConnectTM does; CopyTM runs until the copy is done,
 *   which its progress callback may cancel.
 * - GetTMVersion, FreeTM, GetTMError and GetTMLastError never block.
 */
#ifndef KESTRINE_H
#define KESTRINE_H

#ifdef __cplusplus
#include <cstdint>
#else
#include <stdint.h>
#include <uchar.h>
#endif

#if defined(_WIN32)
#define KESTRINE_CALL __stdcall
#if defined(KESTRINE_BUILDING)
#define KESTRINE_API __declspec(dllexport)
#else
#define KESTRINE_API __declspec(dllimport)
#endif
#else
#define KESTRINE_CALL
#define KESTRINE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TmTextList {
  int32_t count;
  const char16_t *const *items; /* `count` zero-terminated texts, in list order */
  void *reserved;               /* the library's storage; null in a caller-filled list */
} TmTextList;

/* Why the calling thread's last call failed: what GetTMLastError gives in `code`. GetTMError
 * answers with the first three, KESTRINE_BUSY counting as KESTRINE_FAILED there. */
#define KESTRINE_OK 0      /* the call did not fail */
#define KESTRINE_FAILED 1  /* it failed; the message says why */
#define KESTRINE_DAMAGED 2 /* the memory reported itself damaged, and takes no more writes */
#define KESTRINE_BUSY 3    /* another program held the memory longer than the busy time-out */

/* Results of LookupTM, ListTM and FuzzyTM when nothing could be read. */
#define KESTRINE_READ_FAILED (-1)
/* Results of EndTMBatchCounted. */
#define KESTRINE_BATCH_STORED 1
#define KESTRINE_BATCH_FAILED 0
#define KESTRINE_BATCH_BUSY (-1)
/* Results of CopyTM. */
#define KESTRINE_COPY_DONE 1
#define KESTRINE_COPY_FAILED 0
#define KESTRINE_COPY_CANCELLED (-1)

/* The release of this library, the project's version (the build checks that they agree).
 * GetTMVersion gives the version of the interface instead, which older programs compare. */
#define KESTRINE_VERSION_MAJOR 0
#define KESTRINE_VERSION_MINOR 2
#define KESTRINE_VERSION_PATCH 0
#define KESTRINE_VERSION_STRING "0.2.0"

/* Number of characters GetTMVersion writes. */
#define KESTRINE_VERSION_LENGTH 8

/* Writes "2.5" followed by five zero characters. Always 1. */
KESTRINE_API int32_t KESTRINE_CALL GetTMVersion(char16_t *version);

/* Sets the memory folder ("/" separated; a trailing "/" or "\" is accepted) and creates
 * it when nothing of that name exists (one level). Used by the next ConnectTM that opens
 * the file; an empty or null folder changes nothing. */
KESTRINE_API void KESTRINE_CALL SetTMPath(const char16_t *folder);

/* Opens (creating when absent) the memory and readies the table of the language pair.
 * 1 connected, 0 failed: a language is 0, or the file cannot be opened as a memory
 * (damaged, locked, not a database; such a file is never overwritten). With a 0
 * language nothing changes. */
KESTRINE_API int32_t KESTRINE_CALL ConnectTM(int32_t source, int32_t target);

/* Commits an open batch, closes the file; both languages become 0. */
KESTRINE_API void KESTRINE_CALL DisconnectTM(void);

/* Learns a pair: 0 when either text is empty, else 1 (storage failures are absorbed).
 * Spaces (U+0020) around each text are trimmed. The same pair learnt again adds the
 * increment to the counter of the current direction. */
KESTRINE_API int32_t KESTRINE_CALL AddPair(const char16_t *source, const char16_t *target,
                                           int32_t increment);

/* Fills `translations` with the translations of `text`, most used first; the spaces
 * around `text` are put around each. Returns their count; 0 for an empty text (the list
 * then stays untouched) or when not connected. */
KESTRINE_API int32_t KESTRINE_CALL GetTM(const char16_t *text, TmTextList *translations);

/* As GetTM, but KESTRINE_READ_FAILED (-1, and an empty list) when the memory could not be read: not
 * connected, a damaged file, or another program holding it longer than the busy time-out.
 * 0 for an empty text, the list then staying untouched. */
KESTRINE_API int32_t KESTRINE_CALL LookupTM(const char16_t *text, TmTextList *translations);

/* Fills `sources` and `targets` in parallel with the stored pairs whose source contains
 * every word (`allWords` non-zero) or any word, at most 500, most used first. "%" and "_"
 * in a word are wildcards. Returns the count of `targets`. */
KESTRINE_API int32_t KESTRINE_CALL SearchTM(const TmTextList *words, int32_t allWords,
                                            TmTextList *sources, TmTextList *targets);

/* Removes every stored row of the pair (texts compared without regard to case).
 * 1 when the removal ran, 0 when not connected or it failed. */
KESTRINE_API int32_t KESTRINE_CALL DeletePair(const char16_t *source, const char16_t *target);

/* Empties a list, releasing what the library allocated for it. */
KESTRINE_API void KESTRINE_CALL FreeTM(TmTextList *list);

/* Puts the following writes (AddPair, DeletePair) into shared transactions, for speed.
 * 1 when connected. A batch commits at EndTMBatch, DisconnectTM or unloading, and also
 * on its own from time to time, so that other programs using the memory never wait
 * long. Begin while a batch is open keeps the one batch. */
KESTRINE_API int32_t KESTRINE_CALL BeginTMBatch(void);

/* Ends the batch: 1 when everything it learnt is stored (or there was no batch). */
KESTRINE_API int32_t KESTRINE_CALL EndTMBatch(void);

/* Ends the batch as EndTMBatch does and says what it stored. A batch stops writing at its
 * first failure, so the pairs stored are the first ones learnt in it (AddPair calls with
 * two texts, in call order); `stored` (may be null) receives their number. 1 when all are
 * stored (KESTRINE_BATCH_STORED, also when there was no batch); 0 when a write failed (a
 * damaged file, a full disk: KESTRINE_BATCH_FAILED); -1 when another program held the
 * memory longer than the busy time-out, so that learning the others again later may succeed
 * (KESTRINE_BATCH_BUSY). */
KESTRINE_API int32_t KESTRINE_CALL EndTMBatchCounted(int32_t *stored);

/* How long a write waits for another program's lock before it fails; 5000 ms unless set.
 * Takes effect at once, for the current connection as for later ones. */
KESTRINE_API void KESTRINE_CALL SetTMBusyTimeout(int32_t milliseconds);

/* Reads the stored pairs of the connected language pair, `limit` at a time, in the order
 * they were first learnt: `sources` and `targets` in parallel, and in `counters` (room for
 * `limit` values, or null) the use counter of the current direction. `*position` is 0 for
 * the first slice and is moved past the pairs read, for the next call. Returns the count
 * read, 0 at the end, -1 (KESTRINE_READ_FAILED, with empty lists) when the memory could not
 * be read. */
KESTRINE_API int32_t KESTRINE_CALL ListTM(int64_t *position, int32_t limit, TmTextList *sources,
                                          TmTextList *targets, int32_t *counters);

/* The most FuzzyTM gives at once. */
#define KESTRINE_FUZZY_LIMIT 500

/* Finds the stored pairs of the connected language pair whose source is most like `text`:
 * `sources` and `targets` in parallel, and in `scores` (room for `maxCount` values, or
 * null) how alike each source is, 0 to 100: one minus the character edit distance over
 * the longer length, compared without regard to case after trimming spaces, rounded down,
 * so that only an exact match scores 100. Only pairs scoring `minScore` (taken as 1 to
 * 100) or more come, at most `maxCount` (and at most KESTRINE_FUZZY_LIMIT), best first,
 * equal scores most used first. Pairs with an empty target are left out; the spaces around
 * `text` are put around each target, as GetTM does. The candidates come from an index of
 * the stored texts, so a pair that shares next to nothing with `text` beyond its length
 * may be missed, though it would score. On a server that index is the server's trigram
 * search (the extension pg_trgm), which the library creates when the user may; without it
 * the result is -1, and GetTMError says what to ask the database's owner for.
 * Ownership as for GetTM: the two lists are emptied first and must be distinct.
 * Returns the count found; 0 for an empty text or a `maxCount` below 1; -1
 * (KESTRINE_READ_FAILED, with empty lists) when the memory could not be read or a list is
 * missing. */
KESTRINE_API int32_t KESTRINE_CALL FuzzyTM(const char16_t *text, int32_t minScore, int32_t maxCount,
                                           TmTextList *sources, TmTextList *targets,
                                           int32_t *scores);
/* Checks that a location can hold a memory without connecting the store: a server that
 * answers and lets its user create tables, or a folder that exists or can be made. 1 when
 * it can; else 0 and, in `reason` (room for `capacity` characters, zero-terminated, may be
 * null), why not, in English, as the database client said it. */
KESTRINE_API int32_t KESTRINE_CALL CheckTMPath(const char16_t *location, char16_t *reason,
                                               int32_t capacity);

/* Progress of CopyTM: the rows copied so far and in all. Return 0 to cancel the copy. */
typedef int32_t(KESTRINE_CALL *TmCopyProgressFn)(void *context, int64_t done, int64_t total);

/* Copies the whole memory at `from` (a folder or a connection URI) into the memory at
 * `to`: every language pair, every stored pair with both of its counters, in the order
 * they were first learnt. Into a language pair the destination holds nothing of, the pairs
 * go exactly as they are; into one it already holds pairs of, a pair with exactly the same
 * texts adds its counters to the stored one. One transaction: a failure or a cancel
 * leaves the destination as it was. Independent of the memory connected by ConnectTM.
 * 1 copied (KESTRINE_COPY_DONE), 0 failed (KESTRINE_COPY_FAILED; why in `reason`, as
 * CheckTMPath gives it), -1 cancelled by `progress` (KESTRINE_COPY_CANCELLED; `progress`
 * may be null; `context` is passed to it). `copied` (may be null) receives the number of
 * stored pairs copied. */
KESTRINE_API int32_t KESTRINE_CALL CopyTM(const char16_t *from, const char16_t *to,
                                          TmCopyProgressFn progress, void *context, int64_t *copied,
                                          char16_t *reason, int32_t capacity);

/* Why the calling thread's last call of this library failed (GetTMVersion, FreeTM,
 * GetTMError and GetTMLastError leave it alone). Returns 0 (KESTRINE_OK) when that call did
 * not fail, the reason being empty then; 1 (KESTRINE_FAILED) when it failed, also when the
 * memory was busy; 2 (KESTRINE_DAMAGED) when it failed because the memory is damaged (the
 * database reported itself corrupt). A damaged memory is never written to again while the library
 * stays loaded: every write fails from then on, reads go on where they can. A memory file is
 * checked before the first write after it was opened, so its damage shows then at the
 * latest. Failures a call
 * absorbs by its contract count too, such as a pair AddPair did not store (it answers 1),
 * or a memory SearchTM could not read (it answers 0). The reason, in English as the database
 * said it, goes to `reason` (room for `capacity` characters, zero-terminated, cut to fit;
 * may be null). */
KESTRINE_API int32_t KESTRINE_CALL GetTMError(char16_t *reason, int32_t capacity);

/* The same note as GetTMError's, lent rather than copied, as SQLite's sqlite3_errmsg16 lends
 * its message: the reason of the calling thread's last failed call, zero-terminated, empty
 * (never null) when that call did not fail, cut after 1024 characters. The text belongs to
 * the library and stays valid until the next call of this library on the same thread (or
 * until the library is unloaded); copy it to keep it. `code` (may be null) receives
 * KESTRINE_OK, KESTRINE_FAILED, KESTRINE_DAMAGED or KESTRINE_BUSY. */
KESTRINE_API const char16_t *KESTRINE_CALL GetTMLastError(int32_t *code);

/* Types of the exports, for binding them by name at run time. */
typedef int32_t(KESTRINE_CALL *GetTMVersionFn)(char16_t *);
typedef void(KESTRINE_CALL *SetTMPathFn)(const char16_t *);
typedef int32_t(KESTRINE_CALL *ConnectTMFn)(int32_t, int32_t);
typedef void(KESTRINE_CALL *DisconnectTMFn)(void);
typedef int32_t(KESTRINE_CALL *AddPairFn)(const char16_t *, const char16_t *, int32_t);
typedef int32_t(KESTRINE_CALL *GetTMFn)(const char16_t *, TmTextList *);
typedef int32_t(KESTRINE_CALL *SearchTMFn)(const TmTextList *, int32_t, TmTextList *, TmTextList *);
typedef int32_t(KESTRINE_CALL *DeletePairFn)(const char16_t *, const char16_t *);
typedef void(KESTRINE_CALL *FreeTMFn)(TmTextList *);
typedef int32_t(KESTRINE_CALL *BeginTMBatchFn)(void);
typedef int32_t(KESTRINE_CALL *EndTMBatchFn)(void);
typedef int32_t(KESTRINE_CALL *LookupTMFn)(const char16_t *, TmTextList *);
typedef int32_t(KESTRINE_CALL *EndTMBatchCountedFn)(int32_t *);
typedef void(KESTRINE_CALL *SetTMBusyTimeoutFn)(int32_t);
typedef int32_t(KESTRINE_CALL *ListTMFn)(int64_t *, int32_t, TmTextList *, TmTextList *, int32_t *);
typedef int32_t(KESTRINE_CALL *FuzzyTMFn)(const char16_t *, int32_t, int32_t, TmTextList *,
                                          TmTextList *, int32_t *);
typedef int32_t(KESTRINE_CALL *CheckTMPathFn)(const char16_t *, char16_t *, int32_t);
typedef int32_t(KESTRINE_CALL *CopyTMFn)(const char16_t *, const char16_t *, TmCopyProgressFn,
                                         void *, int64_t *, char16_t *, int32_t);
typedef int32_t(KESTRINE_CALL *GetTMErrorFn)(char16_t *, int32_t);
typedef const char16_t *(KESTRINE_CALL *GetTMLastErrorFn)(int32_t *);

#ifdef __cplusplus
}
#endif

#endif /* KESTRINE_H */
