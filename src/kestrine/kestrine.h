/*
 * Kestrine: the translation memory of Tarvelo, behind a plain C interface.
 *
 * The memory keeps pairs of a source text and its translation, one table per pair of
 * primary languages, in the file "Kestrine.db" of the memory folder.
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
 * - Every function may be called from any thread; one lock serialises them.
 * - DisconnectTM before unloading. An open batch is committed by EndTMBatch, by
 *   DisconnectTM, and at the latest when the library is unloaded.
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

#ifdef __cplusplus
}
#endif

#endif /* KESTRINE_H */
