// Myers' difference algorithm over hashed elements, with the common ends taken first.
#include "script/sequence_match.h"

#include <algorithm>

namespace tarvelo {

namespace {

struct Sides {
  const std::vector<std::uint64_t> &a;
  const std::vector<std::uint64_t> &b;
  const std::function<bool(int, int)> &equal;
  bool same(int i, int j) const { return a[size_t(i)] == b[size_t(j)] && equal(i, j); }
};

// The middle a[a0, a1) against b[b0, b1), which share neither first nor last
// element: the matched pairs, or false when it needs more than maxEdits edits.
bool myers(const Sides &s, int a0, int a1, int b0, int b1, int maxEdits,
           std::vector<std::pair<int, int>> &out) {
  const int n = a1 - a0, m = b1 - b0;
  const int limit = std::min(n + m, maxEdits);
  const int offset = limit + 1;
  std::vector<int> v(size_t(2 * limit + 3), 0);
  // Each step keeps the part of v it read: diagonals -d - 1 to d + 1.
  std::vector<std::vector<int>> trace;
  for (int d = 0; d <= limit; ++d) {
    trace.emplace_back(v.begin() + (offset - d - 1), v.begin() + (offset + d + 2));
    for (int k = -d; k <= d; k += 2) {
      int x = (k == -d || (k != d && v[size_t(offset + k - 1)] < v[size_t(offset + k + 1)]))
                  ? v[size_t(offset + k + 1)]
                  : v[size_t(offset + k - 1)] + 1;
      int y = x - k;
      while (x < n && y < m && s.same(a0 + x, b0 + y))
        ++x, ++y;
      v[size_t(offset + k)] = x;
      if (x < n || y < m)
        continue;
      // Walk back through the snapshots, collecting the diagonals.
      std::vector<std::pair<int, int>> pairs;
      for (int e = d; e > 0; --e) {
        const std::vector<int> &snapshot = trace[size_t(e)];
        const auto prev = [&](int k) { return snapshot[size_t(k + e + 1)]; };
        const int kk = x - y;
        const bool down = kk == -e || (kk != e && prev(kk - 1) < prev(kk + 1));
        const int prevK = down ? kk + 1 : kk - 1;
        const int prevX = prev(prevK);
        const int prevY = prevX - prevK;
        const int startX = down ? prevX : prevX + 1;
        const int startY = startX - kk;
        for (int i = x - 1, j = y - 1; i >= startX && j >= startY; --i, --j)
          pairs.emplace_back(a0 + i, b0 + j);
        x = prevX;
        y = prevY;
      }
      for (int i = x - 1, j = y - 1; i >= 0 && j >= 0; --i, --j)
        pairs.emplace_back(a0 + i, b0 + j);
      out.insert(out.end(), pairs.rbegin(), pairs.rend());
      return true;
    }
  }
  return false;
}

} // namespace

std::vector<std::pair<int, int>> matchSequences(const std::vector<std::uint64_t> &a,
                                                const std::vector<std::uint64_t> &b,
                                                const std::function<bool(int, int)> &equal,
                                                int maxEdits) {
  const Sides s{a, b, equal};
  int n = int(a.size()), m = int(b.size());
  std::vector<std::pair<int, int>> out;
  int start = 0;
  while (start < n && start < m && s.same(start, start)) {
    out.emplace_back(start, start);
    ++start;
  }
  int tail = 0;
  while (tail < n - start && tail < m - start && s.same(n - 1 - tail, m - 1 - tail))
    ++tail;
  if (n - tail > start && m - tail > start)
    myers(s, start, n - tail, start, m - tail, maxEdits, out);
  for (int t = tail; t > 0; --t)
    out.emplace_back(n - t, m - t);
  return out;
}

} // namespace tarvelo
