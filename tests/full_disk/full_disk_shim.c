/* A disk that fills up, for tests: preloaded, it makes writes into files whose path
   holds TARVELO_FULL_DISK_MATCH fail with ENOSPC once TARVELO_FULL_DISK_BYTES bytes
   have been written into such files, or, with TARVELO_FULL_DISK_FILES, once that many
   files were written whole. Without the match it changes nothing. (Temporary files
   are often nameless until they are complete: a folder is what can be matched.) */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static long long used;
static char lastMatch[4096];
static ino_t files[64]; /* the files written so far on this disk */
static int fileCount;

/* Whether fd is one of the first `limit` files written on this disk. */
static int amongFirstFiles(int fd, long long limit) {
  struct stat status;
  if (fstat(fd, &status) != 0)
    return 1;
  for (int i = 0; i < fileCount; ++i)
    if (files[i] == status.st_ino)
      return 1;
  if (fileCount >= limit || fileCount >= 64)
    return 0;
  files[fileCount++] = status.st_ino;
  return 1;
}

/* How many of n bytes may still be written to fd; n when fd is not a watched file. */
static size_t allowed(int fd, size_t n) {
  const char *match = getenv("TARVELO_FULL_DISK_MATCH");
  if (!match || !*match)
    return n;
  if (strcmp(match, lastMatch) != 0) { /* a new disk each time the match changes */
    snprintf(lastMatch, sizeof lastMatch, "%s", match);
    used = 0;
    fileCount = 0;
  }
  char link[64], path[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, path, sizeof path - 1);
  if (length < 0)
    return n;
  path[length] = 0;
  if (!strstr(path, match))
    return n;
  const char *fileLimit = getenv("TARVELO_FULL_DISK_FILES");
  if (fileLimit && *fileLimit)
    return amongFirstFiles(fd, atoll(fileLimit)) ? n : 0;
  const char *budgetText = getenv("TARVELO_FULL_DISK_BYTES");
  const long long budget = budgetText ? atoll(budgetText) : 0;
  const long long left = budget > used ? budget - used : 0;
  const size_t granted = (long long)n < left ? n : (size_t)left;
  used += (long long)granted;
  return granted;
}

ssize_t write(int fd, const void *data, size_t n) {
  static ssize_t (*real)(int, const void *, size_t);
  if (!real)
    real = (ssize_t(*)(int, const void *, size_t))dlsym(RTLD_NEXT, "write");
  const size_t granted = allowed(fd, n);
  if (granted == 0 && n > 0) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, data, granted);
}

ssize_t pwrite64(int fd, const void *data, size_t n, off_t offset) {
  static ssize_t (*real)(int, const void *, size_t, off_t);
  if (!real)
    real = (ssize_t(*)(int, const void *, size_t, off_t))dlsym(RTLD_NEXT, "pwrite64");
  const size_t granted = allowed(fd, n);
  if (granted == 0 && n > 0) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, data, granted, offset);
}

ssize_t pwrite(int fd, const void *data, size_t n, off_t offset) {
  return pwrite64(fd, data, n, offset);
}

ssize_t writev(int fd, const struct iovec *parts, int count) {
  static ssize_t (*real)(int, const struct iovec *, int);
  if (!real)
    real = (ssize_t(*)(int, const struct iovec *, int))dlsym(RTLD_NEXT, "writev");
  size_t n = 0;
  for (int i = 0; i < count; ++i)
    n += parts[i].iov_len;
  if (n > 0 && allowed(fd, n) < n) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, parts, count);
}
