#pragma once

#include <QString>
#include <memory>

namespace tarvelo {

class TextEntry;

// A resource's verbatim text, from the line of its statement to the line of its
// last END, shared by every entry made from it.
struct RawBlock {
  QString text;
  TextEntry *firstEntry = nullptr; // the head entry, which stands for the resource
};

using RawBlockPtr = std::shared_ptr<RawBlock>;

} // namespace tarvelo
