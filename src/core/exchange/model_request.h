// The chat-completions body sent to a language model, and the checks on its answer.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvelo {

// One text for a language model, with what tells it where the text stands.
struct ModelItem {
  QString text; // masked (text_masking.h)
  QString kind, identifier;
  QString caption;      // a dialog control's: the dialog's caption
  QStringList others;   // a dialog control's: the texts of the dialog's other controls
  QStringList menuPath; // a menu item's: the popups above it, outermost first
  QString comment;      // the source's comment on the item
  QList<QPair<QString, QString>> terms; // memory pairs whose source occurs in the text
  // A text drawn in a dialog control: the room in pixels, and about how many average
  // characters fill it.
  int roomWidth = 0, roomLines = 0, roomChars = 0;
  // Sent back for a shorter wording: the earlier answer (masked) and the width it needed.
  QString previous;
  int previousWidth = 0;
};

struct ModelRequestHead {
  QString model;
  double temperature = 0.2;
  QString sourceTag, targetTag;
};

// The instructions every request starts with.
QString modelInstructions();
// The POST body of /v1/chat/completions for the items, indexed from 0 in order.
QByteArray chatBody(const QList<ModelItem> &items, const ModelRequestHead &head);

// What a language model answered: a masked translation per item sent, or none where the
// item failed the checks, and the tokens the server counted.
struct ModelReply {
  QList<std::optional<QString>> texts;
  QString problem; // the first reason an item failed, or why nothing could be read
  int promptTokens = 0, completionTokens = 0;
  int failed() const;
};

// Reads a chat-completions answer to the masked texts sent: the message must be one JSON
// object {"translations":[{"index":i,"text":...}]} and nothing else (a code fence
// around it is allowed); every item must come exactly once, and every "{n}" sent exactly
// once with no other. Whatever breaks a rule fails its item, or all when unreadable.
ModelReply readModelReply(const QByteArray &body, const QStringList &sent);

// Why a masked translation does not keep the masks of the text sent, or empty.
QString maskProblem(const QString &sent, const QString &answer);

} // namespace tarvelo
