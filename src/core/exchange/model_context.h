// What a language model is told about where an item stands: context, terms and room.
#pragma once

#include "exchange/model_request.h"

#include <functional>

namespace tarvelo {

class TextEntry;

// How a text fits a dialog control's room, measured as the dialogs report measures it.
struct RoomFit {
  bool measured = false; // the control draws a text that can overflow
  int width = 0, lines = 0;
  int averageCharWidth = 0;
  int neededWidth = 0;
  bool tooLong = false;
};

// Measures a text as the control's translation; a control without room is not measured.
using FitGauge = std::function<RoomFit(TextEntry *control, const QString &text)>;
// The memory's pairs whose source occurs in a text, most used first.
using TermLookup = std::function<QList<QPair<QString, QString>>(const QString &text)>;

// What a run with a language model uses besides the provider; either may be null.
struct ModelAids {
  TermLookup terms;
  FitGauge fit;
};

// The most terms one item carries.
inline constexpr int kMostTermsPerItem = 5;

// The item for an entry's source text: kind and identifier, a dialog control's caption
// and other controls, a menu item's popups, the comment; terms and room come apart.
ModelItem modelItemFor(const TextEntry &entry);

// The popups above a menu item, outermost first, read from its resource's block.
QStringList menuPathOf(const TextEntry &entry);

} // namespace tarvelo
