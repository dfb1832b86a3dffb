// Texts that reach the windows from the core at run time, where they are looked up
// by their English wording; listed here so that the translation files carry them.
#include <QtGlobal>

[[maybe_unused]] static const char *const kFixedTexts[] = {
    QT_TRANSLATE_NOOP("Prompter", "Tarvelo"),
    QT_TRANSLATE_NOOP("Prompter", "Do you want to save resource file?"),
    QT_TRANSLATE_NOOP("Prompter", "Invalid source file"),
    QT_TRANSLATE_NOOP("Prompter",
                      "Operation was canceled by user. Do you want to continue next task?"),
    QT_TRANSLATE_NOOP("Prompter", "Automatic Inspection"),
    QT_TRANSLATE_NOOP("Prompter", "Mismatch Format Specification!"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "Empty translated text"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog",
                      "The same original texts, but different translated texts"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "The same original and translated texts"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "Is not qualified as the inspection"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "Fuzzy mark"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "Text"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog",
                      "Different text in the translation memory"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "Not verified"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "Misspelt words"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "original text"),
    QT_TRANSLATE_NOOP("tarvelo::gui::FilterSetupDialog", "translated text"),
};
