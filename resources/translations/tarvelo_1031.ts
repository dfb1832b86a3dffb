<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainFrame</name>
    <message>
        <location filename="../../src/gui/workbench/command_table.cpp" line="+17"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Inverse Open</source>
        <translation>U&amp;mgekehrt öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;To Source File...</source>
        <translation>In &amp;Quelldatei speichern...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>O&amp;pen Project...</source>
        <translation>&amp;Projekt öffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Project</source>
        <translation>Projekt speic&amp;hern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I&amp;mport...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send &amp;To...</source>
        <translation>Senden &amp;an...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;rint Setup...</source>
        <translation>D&amp;ruckeinrichtung...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paste source text</source>
        <translation>Ausgangstext einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter setup...</source>
        <translation>Filter einrichten...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Google Translate...</source>
        <translation>Mit &amp;Google übersetzen...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dialogs &amp;Report...</source>
        <translation>Dialog&amp;bericht...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learn actual texts</source>
        <translation>Aktuelle Texte lernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import glossary...</source>
        <translation>Glossar importieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open External &amp;Dictionary</source>
        <translation>&amp;Externes Wörterbuch öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index...</source>
        <translation>Index...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Tarvelo...</source>
        <translation>&amp;Info über Tarvelo...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search Translation Memory</source>
        <translation>Translation Memory durchsuchen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sets path to the external lexicon</source>
        <translation>Pfad zum externen Wörterbuch festlegen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Next item</source>
        <translation>Nächster Eintrag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Previous item</source>
        <translation>Vorheriger Eintrag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next control</source>
        <translation>Nächstes Steuerelement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous control</source>
        <translation>Vorheriges Steuerelement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select all</source>
        <translation>Alles markieren</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Translation Memory</source>
        <translation>Translation Memory</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../../src/gui/app/progress_window.cpp" line="+28"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <location filename="../../src/gui/app/fixed_texts.cpp" line="+7"/>
        <source>Do you want to save resource file?</source>
        <translation>Möchten Sie die Ressourcendatei speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid source file</source>
        <translation>Ungültige Quelldatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation was canceled by user. Do you want to continue next task?</source>
        <translation>Der Vorgang wurde vom Benutzer abgebrochen. Möchten Sie mit der nächsten Aufgabe fortfahren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic Inspection</source>
        <translation>Automatische Prüfung</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mismatch Format Specification!</source>
        <translation>Formatangaben stimmen nicht überein!</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../../src/gui/workbench/external_dictionary.cpp" line="+32"/>
        <source>Exe files (*.exe);;All files (*)</source>
        <translation>Programmdateien (*.exe);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/gui/workbench/split_edit.cpp" line="+54"/>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::AboutDialog</name>
    <message>
        <location filename="../../src/gui/options/about_dialog.cpp" line="+30"/>
        <source>About Tarvelo</source>
        <translation>Info über Tarvelo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translates the texts of Windows resource scripts.</source>
        <translation>Übersetzt die Texte von Windows-Ressourcenskripten.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::DirectivesImportDialog</name>
    <message>
        <location filename="../../src/gui/task/directives_import_dialog.cpp" line="+24"/>
        <source>Directives #import</source>
        <translation>#import-Direktiven</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import of the following resource scripts was found. Make a pairs, if you want to localize them.</source>
        <translation>Folgende Ressourcenskripte werden importiert. Ordnen Sie ihnen Zielskripte zu, wenn Sie sie lokalisieren möchten.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Included script</source>
        <translation>Eingebundenes Skript</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target script</source>
        <translation>Zielskript</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target language</source>
        <translation>Zielsprache</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Specify later</source>
        <translation>Später angeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Target Script</source>
        <translation>Zielskript</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FilterSetupDialog</name>
    <message>
        <location filename="../../src/gui/workbench/filter_setup_dialog.cpp" line="+18"/>
        <source>Filter setup</source>
        <translation>Filter einrichten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show items with:</source>
        <translation>Einträge anzeigen mit:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/fixed_texts.cpp" line="+1"/>
        <source>Empty translated text</source>
        <translation>Leere Übersetzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The same original texts, but different translated texts</source>
        <translation>Gleiche Ausgangstexte, aber unterschiedliche Übersetzungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The same original and translated texts</source>
        <translation>Gleicher Ausgangstext und gleiche Übersetzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is not qualified as the inspection</source>
        <translation>Besteht die automatische Prüfung nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuzzy mark</source>
        <translation>Fuzzy-Markierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different text in the translation memory</source>
        <translation>Anderer Text im Translation Memory</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not verified</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>original text</source>
        <translation>Ausgangstext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>translated text</source>
        <translation>Übersetzung</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FindDialog</name>
    <message>
        <location filename="../../src/gui/workbench/find_dialog.cpp" line="+16"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FuzzyAlternativesDialog</name>
    <message>
        <location filename="../../src/gui/workbench/fuzzy_alternatives_dialog.cpp" line="+28"/>
        <source>Fuzzy Item Translation Alternatives</source>
        <translation>Übersetzungsalternativen für Fuzzy-Einträge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Original Text:</source>
        <translation>Ausgangstext:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Translation Alternatives:</source>
        <translation>Übersetzungsalternativen:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Use it!</source>
        <translation>Übernehmen!</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FuzzyItemsDialog</name>
    <message>
        <location filename="../../src/gui/task/fuzzy_items_dialog.cpp" line="+24"/>
        <source> Original Text</source>
        <translation> Ausgangstext</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Translated Text</source>
        <translation> Übersetzung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fuzzy Items:</source>
        <translation>&amp;Fuzzy-Einträge:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Clear Fuzzy Flag</source>
        <translation>Fuzzy-Markierung &amp;entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::GeneralPage</name>
    <message>
        <location filename="../../src/gui/options/general_page.cpp" line="+63"/>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Start with Open File Dialog</source>
        <translation>Beim Start &amp;Dialog „Öffnen“ anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Searc&amp;h Dialog for Open</source>
        <translation>Zum Öffnen den Suc&amp;hdialog verwenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When saving, replace empty items with</source>
        <translation>Beim Speichern leere Einträge ersetzen durch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;mpty</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>So&amp;urce</source>
        <translation>A&amp;usgangstext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Use &amp;relative path of the resource files in the project</source>
        <translation>&amp;Relative Pfade der Ressourcendateien im Projekt verwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Update Enabled</source>
        <translation>&amp;Automatische Aktualisierung aktivieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>External dictionary</source>
        <translation>Externes Wörterbuch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Path:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>External Dictionary</source>
        <translation>Externes Wörterbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exe files (*.exe)</source>
        <translation>Programmdateien (*.exe)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::HelpWindow</name>
    <message>
        <location filename="../../src/gui/options/help_window.cpp" line="+51"/>
        <location line="+77"/>
        <source>Tarvelo Help</source>
        <translation>Tarvelo-Hilfe</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>There is no help topic &quot;%1&quot;. These are the topics there are:</source>
        <translation>Es gibt kein Hilfethema „%1“. Folgende Themen sind vorhanden:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tarvelo Help - %1</source>
        <translation>Tarvelo-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::InspectionGroup</name>
    <message>
        <location filename="../../src/gui/options/inspection_group.cpp" line="+19"/>
        <source>Automatic Inspection</source>
        <translation>Automatische Prüfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Enable Automatic Inspection</source>
        <translation>Automatische Prüfung akti&amp;vieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The characters to count, as written in the script (\n is a backslash and n). Press Enter or leave the box to take the text.</source>
        <translation>Die zu zählenden Zeichen, so wie sie im Skript stehen (\n steht für einen Backslash und ein n). Drücken Sie die Eingabetaste oder verlassen Sie das Feld, um den Text zu übernehmen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Compare the count of characters:</source>
        <translation>Anzahl folgender &amp;Zeichen vergleichen:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check the &amp;order of Format Specifications</source>
        <translation>Reihenfolge der &amp;Formatangaben prüfen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ItemListView</name>
    <message>
        <location filename="../../src/gui/workbench/item_list_view.cpp" line="+210"/>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to Translation Memory</source>
        <translation>Zum Translation Memory hinzufügen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy Source</source>
        <translation>Ausgangstext kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Target</source>
        <translation>Übersetzung kopieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paste Clipboard</source>
        <translation>Aus Zwischenablage einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste Source	(Ctrl+T)</source>
        <translation>Ausgangstext einfügen	(Strg+T)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Translate using Google</source>
        <translation>Mit Google übersetzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste Fuzzy</source>
        <translation>Fuzzy-Alternative einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Another Occurence</source>
        <translation>Anderes Vorkommen einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Translation Memory</source>
        <translation>Aus Translation Memory einfügen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::LanguageCombo</name>
    <message>
        <location filename="../../src/gui/task/language_combo.cpp" line="+8"/>
        <source>&lt;No Language&gt;</source>
        <translation>&lt;Keine Sprache&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MainFrame</name>
    <message>
        <location filename="../../src/gui/workbench/main_frame.cpp" line="+117"/>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The dialog preview is not available.</source>
        <translation>Die Dialogvorschau ist nicht verfügbar.</translation>
    </message>
    <message>
        <location line="+348"/>
        <source>It is not possible open file &apos;%1&apos;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MemoryPage</name>
    <message>
        <location filename="../../src/gui/options/memory_page.cpp" line="+26"/>
        <source>&amp;Path:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Fill empty target items from  Translation Memory when opening</source>
        <translation>&amp;Leere Zieleinträge beim Öffnen aus dem Translation Memory füllen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Automaticaly complete item from Translation Memory when writing</source>
        <translation>Einträge beim Schreiben &amp;automatisch aus dem Translation Memory vervollständigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>On Save File</source>
        <translation>Beim Speichern der Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On Close File</source>
        <translation>Beim Schließen der Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On Demand</source>
        <translation>Auf Anforderung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save current translations to the Translation memory:</source>
        <translation>Aktuelle Übersetzungen im Translation Memory &amp;speichern:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Translation Memory Folder</source>
        <translation>Translation-Memory-Ordner</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OpenResourcesDialog</name>
    <message>
        <location filename="../../src/gui/task/open_resources_dialog.cpp" line="+26"/>
        <source>Open Resources</source>
        <translation>Ressourcen öffnen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OptionsDialog</name>
    <message>
        <location filename="../../src/gui/options/options_dialog.cpp" line="+20"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translation Memory</source>
        <translation>Translation Memory</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Restart the program for the change of the language to take effect!</source>
        <translation>Starten Sie das Programm neu, damit die Änderung der Sprache wirksam wird!</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::PlainTextView</name>
    <message>
        <location filename="../../src/gui/workbench/plain_text_view.cpp" line="+34"/>
        <source>Load from source</source>
        <translation>Aus Quelldatei laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load from target</source>
        <translation>Aus Zieldatei laden</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Are you sure you want to change this resource item?</source>
        <translation>Möchten Sie dieses Ressourcenelement wirklich ändern?</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ResourceChoiceTree</name>
    <message>
        <location filename="../../src/gui/task/resource_choice_tree.cpp" line="+19"/>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ResourceTreeView</name>
    <message>
        <location filename="../../src/gui/workbench/resource_tree_view.cpp" line="+88"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Restore item</source>
        <translation>Element wiederherstellen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove item</source>
        <translation>Element entfernen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SameTextDialog</name>
    <message>
        <location filename="../../src/gui/task/same_text_dialog.cpp" line="+14"/>
        <source>Translation Memory</source>
        <translation>Translation Memory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving text:</source>
        <translation>Zu speichernder Text:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The source and target texts are the same. Do you want to save them to the Translation Memory?</source>
        <translation>Ausgangstext und Übersetzung sind identisch. Möchten Sie sie im Translation Memory speichern?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes to &amp;All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N&amp;o to All</source>
        <translation>Nein, &amp;keine</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SaveToFileDialog</name>
    <message>
        <location filename="../../src/gui/task/save_to_file_dialog.cpp" line="+24"/>
        <source>Resource files (*.rc *.rc2)</source>
        <translation>Ressourcendateien (*.rc *.rc2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Target &amp;language:</source>
        <translation>Ziel&amp;sprache:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Resources for save:</source>
        <translation>Zu speichernde &amp;Ressourcen:</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SavingResourcesDialog</name>
    <message>
        <location filename="../../src/gui/task/saving_resources_dialog.cpp" line="+17"/>
        <source>The target resource file contains following resource items missing in the source file. Select items you want to keep in the file.</source>
        <translation>Die Zielressourcendatei enthält folgende Ressourcenelemente, die in der Quelldatei fehlen. Wählen Sie die Elemente aus, die in der Datei erhalten bleiben sollen.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SplitEdit</name>
    <message>
        <location filename="../../src/gui/workbench/split_edit.cpp" line="+23"/>
        <source>Fuzzy Item Translation Alternatives</source>
        <translation>Übersetzungsalternativen für Fuzzy-Einträge</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> Original Text - %1</source>
        <translation> Ausgangstext - %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Original Text</source>
        <translation> Ausgangstext</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Translated Text - %1</source>
        <translation> Übersetzung - %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Translated Text</source>
        <translation> Übersetzung</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::TaskForm</name>
    <message>
        <location filename="../../src/gui/task/task_form.cpp" line="+23"/>
        <source>Resource files (*.rc *.rc2)</source>
        <translation>Ressourcendateien (*.rc *.rc2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Task &amp;name:</source>
        <translation>Aufgaben&amp;name:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Source file:</source>
        <translation>&amp;Quelldatei:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Source &amp;language:</source>
        <translation>&amp;Ausgangssprache:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Target file:</source>
        <translation>&amp;Zieldatei:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify &amp;later</source>
        <translation>Spä&amp;ter angeben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tar&amp;get language:</source>
        <translation>Ziel&amp;sprache:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fill empty items from  Translation Memory</source>
        <translation>Leere Einträge aus dem Translation Memory füllen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Open Source File</source>
        <translation>Quelldatei öffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Target File</source>
        <translation>Zieldatei öffnen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::TaskPropertiesDialog</name>
    <message>
        <location filename="../../src/gui/task/task_properties_dialog.cpp" line="+30"/>
        <source>&lt;Different values&gt;</source>
        <translation>&lt;Unterschiedliche Werte&gt;</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Task Properties</source>
        <translation>Aufgabeneigenschaften</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
</context>
</TS>
