// A translated copy of compiled resources: the source's texts replaced by the task's
// translations, in the target language.
#pragma once

#include "compiled/header_names.h"
#include "compiled/res_file.h"
#include "compiled/template_layout.h"

namespace tarvelo {

class EntryList;
struct Task;
struct WriteContext;

// The resources of the source's language (sourceLanguage) with the texts of the task's
// entries (as the saving option of context writes them), each in targetLanguage:
// string tables, menus, dialogs and DLGINIT data rebuilt with their texts, the version
// resource declared for the target language, every other resource of the language
// copied as it is. The entries are those read from the decompiled script of the same
// resources, decompiled with the same header names. Dialogs take the translated layout;
// side says whether the resources are the source's or the target's own.
QList<CompiledResource> translatedResources(const QList<CompiledResource> &source,
                                            quint16 sourceLanguage, const EntryList &entries,
                                            const Task *task, quint16 targetLanguage,
                                            const WriteContext &context,
                                            const HeaderNames *names = nullptr,
                                            TemplateSide side = TemplateSide::Source);

// A text as written in a script (escapes as typed, quotes single) as the compiler
// stores it.
QString storedText(const QString &written);

} // namespace tarvelo
