<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Analysis</name>
    <message>
        <location filename="../../src/core/analysis/analysis_job.cpp" line="+41"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the translation memory cannot be read: </source>
        <translation>der Übersetzungsspeicher kann nicht gelesen werden: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the translation memory cannot be opened for the languages %1 and %2</source>
        <translation>der Übersetzungsspeicher kann für die Sprachen %1 und %2 nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The translation-memory library finds no fuzzy matches.</source>
        <translation>Die Bibliothek des Übersetzungsspeichers findet keine unscharfen Treffer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <location filename="../../src/core/analysis/task_entries.cpp" line="+29"/>
        <source>%1:%2: the script does not parse at: %3</source>
        <translation>%1:%2: Das Skript ist an dieser Stelle nicht lesbar: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the script does not parse</source>
        <translation>%1: Das Skript ist nicht lesbar</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <location filename="../../src/core/exchange/xml_guard.cpp" line="+69"/>
        <source>An element of the file has more than %1 attributes.</source>
        <translation>Ein Element der Datei hat mehr als %1 Attribute.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The elements of the file are nested deeper than %1.</source>
        <translation>Die Elemente der Datei sind tiefer als %1 verschachtelt.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file declares entities, which are not read.</source>
        <translation>Die Datei deklariert Entitäten, die nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file refers to an undeclared entity.</source>
        <translation>Die Datei verweist auf eine nicht deklarierte Entität.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/xliff_file.cpp" line="+139"/>
        <source>The file is not an XLIFF file.</source>
        <translation>Die Datei ist keine XLIFF-Datei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is XLIFF %1; only XLIFF 1.2 is read.</source>
        <translation>Die Datei ist XLIFF %1; gelesen wird nur XLIFF 1.2.</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/tmx_file.cpp" line="+121"/>
        <source>The file is not a TMX file.</source>
        <translation>Die Datei ist keine TMX-Datei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is TMX %1; only TMX 1.4 is read.</source>
        <translation>Die Datei ist TMX %1; gelesen wird nur TMX 1.4.</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/memory_transfer.cpp" line="+86"/>
        <source>The Translation Memory could not store every pair.</source>
        <translation>Der Übersetzungsspeicher konnte nicht jedes Paar speichern.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>The Translation Memory could not be read.</source>
        <translation>Der Übersetzungsspeicher konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/exchange_file.cpp" line="+30"/>
        <source>The file &apos;%1&apos; is larger than %2 MB, the most that is read.</source>
        <translation>Die Datei „%1“ ist größer als %2 MB, das Höchste, was gelesen wird.</translation>
    </message>
</context>
<context>
    <name>ExternalDictionary</name>
    <message>
        <location filename="../../src/gui/workbench/external_dictionary.cpp" line="+71"/>
        <source>it could not be started</source>
        <translation>sie konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a program that can be started</source>
        <translation>sie ist kein Programm, das gestartet werden kann</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <location filename="../../src/core/compiled/target_kind.cpp" line="+69"/>
        <source>New file</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Resource script</source>
        <translation>Ressourcenskript</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>Compiled resources (.res)</source>
        <translation>Kompilierte Ressourcen (.res)</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>Resource-only language DLL</source>
        <translation>Reine Ressourcen-Sprach-DLL</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Program, read from its resources</source>
        <translation>Programm, aus seinen Ressourcen gelesen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy of the program with the language added</source>
        <translation>Kopie des Programms mit hinzugefügter Sprache</translation>
    </message>
</context>
<context>
    <name>MachineTranslation</name>
    <message>
        <location filename="../../src/core/exchange/deepl_provider.cpp" line="+49"/>
        <source>DeepL refused the authentication key (HTTP 403). Check the key on the Machine Translation page of the options.</source>
        <translation>DeepL hat den Authentifizierungsschlüssel abgelehnt (HTTP 403). Prüfen Sie den Schlüssel auf der Seite „Maschinelle Übersetzung“ der Optionen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The DeepL quota of this key is used up (HTTP 456).</source>
        <translation>Das DeepL-Kontingent dieses Schlüssels ist aufgebraucht (HTTP 456).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DeepL received too many requests; try again later (HTTP 429).</source>
        <translation>DeepL hat zu viele Anfragen erhalten; versuchen Sie es später erneut (HTTP 429).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>DeepL: %1 (HTTP %2)</source>
        <translation>DeepL: %1 (HTTP %2)</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/libretranslate_provider.cpp" line="+53"/>
        <source>LibreTranslate: %1 (HTTP %2)</source>
        <translation>LibreTranslate: %1 (HTTP %2)</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/machine_translator.cpp" line="+40"/>
        <location filename="../../src/core/exchange/model_translator.cpp" line="+51"/>
        <source>%1 does not translate between these languages.</source>
        <translation>%1 übersetzt nicht zwischen diesen Sprachen.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The answer of %1 to &apos;%2&apos; is not used: %3.</source>
        <translation>Die Antwort von %1 auf „%2“ wird nicht verwendet: %3.</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/mymemory_provider.cpp" line="+85"/>
        <source>MyMemory: %1 (%2)</source>
        <translation>MyMemory: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/translation_provider.cpp" line="+75"/>
        <source>OpenAI-compatible</source>
        <translation>OpenAI-kompatibel</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 did not answer in time (%2).</source>
        <translation>%1 hat nicht rechtzeitig geantwortet (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 answered with the HTTP status %2.</source>
        <translation>%1 hat mit dem HTTP-Status %2 geantwortet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be reached at %2: %3</source>
        <translation>%1 ist unter %2 nicht erreichbar: %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The answer of %1 at %2 is not a translation.</source>
        <translation>Die Antwort von %1 unter %2 ist keine Übersetzung.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/core/exchange/machine_translation_run.cpp" line="+121"/>
        <source>Machine translation stopped there; %n more item(s) were not sent.</source>
        <translation>
            <numerusform>Die maschinelle Übersetzung endete dort; %n weiterer Eintrag wurde nicht gesendet.</numerusform>
            <numerusform>Die maschinelle Übersetzung endete dort; %n weitere Einträge wurden nicht gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/text_masking.cpp" line="+239"/>
        <source>it holds more placeholders than the text sent</source>
        <translation>sie enthält mehr Platzhalter als der gesendete Text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is much longer than the text sent</source>
        <translation>sie ist viel länger als der gesendete Text</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/model_request.cpp" line="+133"/>
        <source>the placeholders sent do not come back exactly once</source>
        <translation>die gesendeten Platzhalter kommen nicht genau einmal zurück</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the answer is not the JSON object asked for</source>
        <translation>die Antwort ist nicht das verlangte JSON-Objekt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the answer holds an item that was not sent</source>
        <translation>die Antwort enthält ein Element, das nicht gesendet wurde</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>an item is missing from the answer</source>
        <translation>in der Antwort fehlt ein Element</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an item comes more than once</source>
        <translation>ein Element kommt mehrfach vor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an item has no text</source>
        <translation>ein Element hat keinen Text</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/openai_provider.cpp" line="+67"/>
        <source>The language model at %1 refused the key (HTTP 401). Check the key on the Machine Translation page of the options.</source>
        <translation>Das Sprachmodell unter %1 hat den Schlüssel abgelehnt (HTTP 401). Prüfen Sie den Schlüssel auf der Seite „Maschinelle Übersetzung“ der Optionen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The language model at %1 received too many requests (HTTP 429).</source>
        <translation>Das Sprachmodell unter %1 hat zu viele Anfragen erhalten (HTTP 429).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The answer of the language model at %1 is too large.</source>
        <translation>Die Antwort des Sprachmodells unter %1 ist zu groß.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The language model at %1 answered: %2 (HTTP %3).</source>
        <translation>Das Sprachmodell unter %1 antwortete: %2 (HTTP %3).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>An answer of the language model at %1 was not used: %2.</source>
        <translation>Eine Antwort des Sprachmodells unter %1 wurde nicht übernommen: %2.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <location filename="../../src/gui/workbench/command_table.cpp" line="+28"/>
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
        <source>Save Project &amp;As...</source>
        <translation>Projekt speichern &amp;unter...</translation>
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
        <location line="+6"/>
        <source>Dialogs &amp;Report...</source>
        <translation>Dialog&amp;bericht...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Analysis...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pseudo-Translate...</source>
        <translation>&amp;Pseudoübersetzung...</translation>
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
        <location line="+1"/>
        <source>Import TMX...</source>
        <translation>TMX importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export TMX...</source>
        <translation>TMX exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Translation Memory...</source>
        <translation>Übersetzungsspeicher kopieren...</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <translation>Übersetzungsspeicher durchsuchen</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Sets path to the external lexicon</source>
        <translation>Pfad zum externen Wörterbuch festlegen</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>Set External Dictionary &amp;Path...</source>
        <translation>Externes &amp;Wörterbuch festlegen...</translation>
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
        <location line="+4"/>
        <source>Show original</source>
        <translation>Original anzeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Load from source</source>
        <translation>Aus Quelle laden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Load from target</source>
        <translation>Aus Ziel laden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set default font</source>
        <translation>Standardschriftart setzen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dialog controls...</source>
        <translation>Dialogsteuerelemente...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Flip dialog</source>
        <translation>Dialog spiegeln</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Make same width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make same height</source>
        <translation>Gleiche Höhe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make same size</source>
        <translation>Gleiche Größe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Adjust size to text</source>
        <translation>Größe an Text anpassen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Toggle source/target size</source>
        <translation>&amp;Quell-/Zielgröße umschalten</translation>
    </message>
    <message>
        <location line="+76"/>
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
        <location line="+10"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translation Memory</source>
        <translation>Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>&amp;Dialog</source>
        <translation>D&amp;ialog</translation>
    </message>
    <message>
        <location line="-194"/>
        <source>&amp;Machine Translation...</source>
        <translation>&amp;Maschinelle Übersetzung...</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <location line="+118"/>
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
    <name>Progress</name>
    <message>
        <location filename="../../src/core/script/entry_collector.cpp" line="+43"/>
        <source>Reading line %1 of %2</source>
        <translation>Zeile %1 von %2 wird gelesen</translation>
    </message>
    <message>
        <location filename="../../src/core/script/resource_script.cpp" line="+37"/>
        <source>Reading File - %1</source>
        <translation>Datei wird gelesen - %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading File</source>
        <translation>Datei wird gelesen</translation>
    </message>
    <message>
        <location filename="../../src/core/tmclient/memory_client.cpp" line="+147"/>
        <source>Translation Memory Search</source>
        <translation>Suche im Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Searching item %1 of %2</source>
        <translation>Eintrag %1 von %2 wird gesucht</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/memory_transfer.cpp" line="-134"/>
        <location line="+90"/>
        <location filename="../../src/core/tmclient/memory_learning.cpp" line="+105"/>
        <source>Translation Memory Import</source>
        <translation>Import in den Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Translation Memory Export</source>
        <translation>Export aus dem Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exporting pair %1</source>
        <translation>Exportiere Paar %1</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/machine_translation_run.cpp" line="-51"/>
        <location line="+80"/>
        <location filename="../../src/core/exchange/model_translation_run.cpp" line="+133"/>
        <source>Translate using machine translation</source>
        <translation>Maschinell übersetzen</translation>
    </message>
    <message>
        <location line="-53"/>
        <location filename="../../src/core/exchange/memory_transfer.cpp" line="-239"/>
        <location filename="../../src/core/exchange/task_exchange.cpp" line="+20"/>
        <location filename="../../src/core/tmclient/memory_learning.cpp" line="+10"/>
        <source>Importing record %1 of %2</source>
        <translation>Datensatz %1 von %2 wird importiert</translation>
    </message>
    <message>
        <location filename="../../src/core/tmclient/memory_learning.cpp" line="+52"/>
        <source>Waiting for the Translation Memory</source>
        <translation>Warten auf den Übersetzungsspeicher</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/task_exchange.cpp" line="+6"/>
        <source>Tarvelo Import</source>
        <translation>Tarvelo-Import</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../../src/gui/app/progress_window.cpp" line="+29"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../src/core/project/combined_task.cpp" line="+59"/>
        <source>&lt;Different values&gt;</source>
        <translation>&lt;Unterschiedliche Werte&gt;</translation>
    </message>
    <message>
        <location filename="../../src/core/project/project_edits.cpp" line="+50"/>
        <location filename="../../src/gui/project/project_pane.cpp" line="+214"/>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Project</source>
        <translation>Projekt</translation>
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
        <location filename="../../src/core/workbench/project_flows.cpp" line="+117"/>
        <location filename="../../src/gui/app/fixed_texts.cpp" line="+1"/>
        <source>Operation was canceled by user. Do you want to continue next task?</source>
        <translation>Der Vorgang wurde vom Benutzer abgebrochen. Möchten Sie mit der nächsten Aufgabe fortfahren?</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/fixed_texts.cpp" line="+2"/>
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
    <message>
        <location filename="../../src/gui/project/project_pane.cpp" line="-25"/>
        <source>It is not possible open file &apos;%1&apos;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/memory_menu.cpp" line="+73"/>
        <source>The file &apos;%1&apos; is not a TMX file that can be read: %2</source>
        <translation>Die Datei „%1“ ist keine lesbare TMX-Datei: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Translation Memory in &apos;%1&apos; cannot be used for these languages.</source>
        <translation>Der Übersetzungsspeicher in „%1“ kann für diese Sprachen nicht verwendet werden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The import from &apos;%1&apos; was cancelled. Pairs learnt before: %2</source>
        <translation>Der Import aus „%1“ wurde abgebrochen. Bis dahin gelernte Paare: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pairs learnt from &apos;%1&apos;: %2</source>
        <translation>Aus „%1“ gelernte Paare: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The export was cancelled; &apos;%1&apos; was not written.</source>
        <translation>Der Export wurde abgebrochen; „%1“ wurde nicht geschrieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pairs exported to &apos;%1&apos;: %2</source>
        <translation>Nach „%1“ exportierte Paare: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pairs copied from &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <translation>Von „%1“ nach „%2“ kopierte Paare: %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The copy was cancelled; the Translation Memory in &apos;%1&apos; is as it was.</source>
        <translation>Das Kopieren wurde abgebrochen; der Übersetzungsspeicher in „%1“ ist unverändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Translation Memory in &apos;%1&apos; could not be copied to &apos;%2&apos;: %3</source>
        <translation>Der Übersetzungsspeicher in „%1“ konnte nicht nach „%2“ kopiert werden: %3</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/send_resource.cpp" line="+101"/>
        <location filename="../../src/gui/app/workbench_assembly.cpp" line="+276"/>
        <source>Could not log on to an email system.</source>
        <translation>Die Anmeldung an einem E-Mail-System ist nicht möglich.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Failed to send the file.</source>
        <translation>Die Datei konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <location filename="../../src/core/workbench/save_flows.cpp" line="+95"/>
        <source>&apos;%1&apos; is the program itself: its translation would be added to it, and a signed program loses its signature. Change the program?</source>
        <translation>„%1“ ist das Programm selbst: Seine Übersetzung würde ihm hinzugefügt, und ein signiertes Programm verliert seine Signatur. Das Programm ändern?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;%1&apos; will be a copy of the program with the translation added. A signed program loses its signature: sign the copy again before you ship it. The program itself is not changed. Write the copy?</source>
        <translation>„%1“ wird eine Kopie des Programms mit hinzugefügter Übersetzung. Ein signiertes Programm verliert seine Signatur: Signieren Sie die Kopie erneut, bevor Sie sie ausliefern. Das Programm selbst wird nicht verändert. Kopie schreiben?</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The program&apos;s digital signature was removed from &apos;%1&apos;: the copy was changed. Sign it again before you ship it.</source>
        <translation>Die digitale Signatur des Programms wurde aus „%1“ entfernt: Die Kopie wurde verändert. Signieren Sie sie erneut, bevor Sie sie ausliefern.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The file &apos;%1&apos; was changed by another program since it was opened. Do you want to replace it?</source>
        <translation>Die Datei „%1“ wurde seit dem Öffnen von einem anderen Programm geändert. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <location line="+73"/>
        <location line="+56"/>
        <source>Save As - %1</source>
        <translation>Speichern unter - %1</translation>
    </message>
    <message>
        <location filename="../../src/core/workbench/project_flows.cpp" line="-14"/>
        <location filename="../../src/core/workbench/task_flows.cpp" line="+78"/>
        <source>File &apos;%1&apos; is not valid resource file. Continue?</source>
        <translation>Die Datei „%1“ ist keine gültige Ressourcendatei. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../../src/core/workbench/task_flows.cpp" line="+67"/>
        <location line="+135"/>
        <source>No %1 resource item found. Continue?</source>
        <translation>Kein Ressourceneintrag der Sprache %1 gefunden. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../../src/core/script/after_read.cpp" line="+18"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog controls init</source>
        <translation>Dialoginitialisierung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Count of ListBox items has changed. Verify translation of fuzzy items.</source>
        <translation>Die Anzahl der Listeneinträge hat sich geändert. Prüfen Sie die Übersetzung der unscharfen Einträge.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count or order of Menu items has changed. Verify translation of fuzzy items.</source>
        <translation>Anzahl oder Reihenfolge der Menüeinträge hat sich geändert. Prüfen Sie die Übersetzung der unscharfen Einträge.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Count or order of Dialog items has changed. Verify translation of fuzzy items.</source>
        <translation>Anzahl oder Reihenfolge der Dialogeinträge hat sich geändert. Prüfen Sie die Übersetzung der unscharfen Einträge.</translation>
    </message>
    <message>
        <location filename="../../src/core/script/target_merger.cpp" line="+184"/>
        <source>File &apos;%1&apos; is not regular resource file! Do you want replace it?</source>
        <translation>Die Datei „%1“ ist keine gültige Ressourcendatei! Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <location filename="../../src/core/script/target_merge_statements.cpp" line="+120"/>
        <source>Saving resources - %1</source>
        <translation>Ressourcen speichern - %1</translation>
    </message>
    <message>
        <location filename="../../src/core/tmclient/memory_client.cpp" line="+49"/>
        <source>The empty item was not filled: the Translation Memory in &apos;%1&apos; cannot be read (its file may be damaged or locked by another program).</source>
        <translation>Der leere Eintrag wurde nicht gefüllt: Der Übersetzungsspeicher in „%1“ kann nicht gelesen werden (seine Datei ist vielleicht beschädigt oder von einem anderen Programm gesperrt).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of %2 empty items were not filled: the Translation Memory in &apos;%3&apos; cannot be read (its file may be damaged or locked by another program).</source>
        <translation>%1 von %2 leeren Einträgen wurden nicht gefüllt: Der Übersetzungsspeicher in „%3“ kann nicht gelesen werden (seine Datei ist vielleicht beschädigt oder von einem anderen Programm gesperrt).</translation>
    </message>
    <message>
        <location filename="../../src/core/tmclient/memory_learning.cpp" line="-68"/>
        <source>No pairs were learnt: the Translation Memory in &apos;%1&apos; cannot be opened.</source>
        <translation>Es wurden keine Paare gelernt: Der Übersetzungsspeicher in „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>The pair was not learnt: the Translation Memory in &apos;%1&apos; cannot be written: %2</source>
        <translation>Das Paar wurde nicht gelernt: In den Übersetzungsspeicher in „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 pairs were not learnt: the Translation Memory in &apos;%3&apos; cannot be written: %4</source>
        <translation>%1 von %2 Paaren wurden nicht gelernt: In den Übersetzungsspeicher in „%3“ kann nicht geschrieben werden: %4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The pair was not learnt: another program keeps the Translation Memory in &apos;%1&apos; locked.</source>
        <translation>Das Paar wurde nicht gelernt: Ein anderes Programm hält den Übersetzungsspeicher in „%1“ gesperrt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 pairs were not learnt: another program keeps the Translation Memory in &apos;%3&apos; locked.</source>
        <translation>%1 von %2 Paaren wurden nicht gelernt: Ein anderes Programm hält den Übersetzungsspeicher in „%3“ gesperrt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The pair was not learnt: the Translation Memory in &apos;%1&apos; cannot be written (its file may be damaged or its disk full).</source>
        <translation>Das Paar wurde nicht gelernt: In den Übersetzungsspeicher in „%1“ kann nicht geschrieben werden (seine Datei ist vielleicht beschädigt oder sein Datenträger voll).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 pairs were not learnt: the Translation Memory in &apos;%3&apos; cannot be written (its file may be damaged or its disk full).</source>
        <translation>%1 von %2 Paaren wurden nicht gelernt: In den Übersetzungsspeicher in „%3“ kann nicht geschrieben werden (seine Datei ist vielleicht beschädigt oder sein Datenträger voll).</translation>
    </message>
    <message>
        <location filename="../../src/gui/exchange/exchange_commands.cpp" line="+55"/>
        <source>Export finished successfuly</source>
        <translation>Der Export wurde erfolgreich beendet.</translation>
    </message>
    <message>
        <location filename="../../src/gui/memory/memory_search_window.cpp" line="+191"/>
        <source>The Translation Memory in &apos;%1&apos; cannot be read: %2</source>
        <translation>Der Übersetzungsspeicher in „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Do you realy want to remove translation
from: &quot;%1&quot;
to: &quot;%2&quot;?</source>
        <translation>Wollen Sie die Übersetzung
von: „%1“
in: „%2“
wirklich entfernen?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The Translation Memory in &apos;%1&apos; cannot be written: %2</source>
        <translation>In den Übersetzungsspeicher in „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/memory_transfer.cpp" line="+136"/>
        <source>Previous import was canceled.
File: %1
Source Language: %2
Target Language: %3
Record: %4
Do you want to continue?</source>
        <translation>Der vorige Import wurde abgebrochen.
Datei: %1
Ausgangssprache: %2
Zielsprache: %3
Datensatz: %4
Wollen Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/mail_message.cpp" line="+12"/>
        <source>You must type a name.</source>
        <translation>Sie müssen einen Namen eingeben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A name cannot contain any of the following characters:
	 \ / :  * ? &quot; &lt; &gt; | </source>
        <translation>Ein Name darf keines der folgenden Zeichen enthalten:
	 \ / :  * ? &quot; &lt; &gt; | </translation>
    </message>
    <message>
        <location filename="../../src/core/exchange/update_check.cpp" line="+193"/>
        <source>An update of %1 is now available. Proceed with the update?</source>
        <translation>Ein Update von %1 ist jetzt verfügbar. Mit dem Update fortfahren?</translation>
    </message>
    <message>
        <location filename="../../src/gui/online/update_announcer.cpp" line="+79"/>
        <source>Update is available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The update could not be downloaded: %1.</source>
        <translation>Das Update konnte nicht heruntergeladen werden: %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The installer %1 could not be started.</source>
        <translation>Das Installationsprogramm %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../../src/core/tmclient/memory_location.cpp" line="+86"/>
        <source>Translation Memory Copy</source>
        <translation>Übersetzungsspeicher kopieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Copying pair %1 of %2</source>
        <translation>Kopiere Paar %1 von %2</translation>
    </message>
    <message>
        <location filename="../../src/core/files/file_transaction.cpp" line="+49"/>
        <location filename="../../src/core/workbench/save_flows.cpp" line="-159"/>
        <source>The file &apos;%1&apos; could not be written: %2. The files on the disk were left as they were.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2. Die Dateien auf dem Datenträger sind unverändert geblieben.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>it is a link that another user owns in a shared folder</source>
        <translation>sie ist eine Verknüpfung, die einem anderen Benutzer in einem gemeinsamen Ordner gehört</translation>
    </message>
    <message>
        <location filename="../../src/core/files/file_messages.cpp" line="+108"/>
        <location filename="../../src/core/files/file_transaction.cpp" line="+6"/>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../../src/core/project/target_policy.cpp" line="+66"/>
        <source>it is a Windows path, which names no file here</source>
        <translation>es ist ein Windows-Pfad, der hier keine Datei bezeichnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its name begins with a dot</source>
        <translation>ihr Name beginnt mit einem Punkt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a resource script (.rc, .rc2)</source>
        <translation>sie ist kein Ressourcenskript (.rc, .rc2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it exists and is not a resource script that can be read</source>
        <translation>sie existiert und ist kein lesbares Ressourcenskript</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The project names &apos;%1&apos; as a target, outside the project&apos;s folder. Write translations to it?</source>
        <translation>Das Projekt nennt „%1“ als Ziel, außerhalb des Projektordners. Übersetzungen dorthin schreiben?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The project&apos;s target &apos;%1&apos; is not written: %2.</source>
        <translation>Das Ziel „%1“ des Projekts wird nicht geschrieben: %2.</translation>
    </message>
    <message>
        <location filename="../../src/core/files/file_messages.cpp" line="+11"/>
        <source>It is not possible open file &apos;%1&apos;: %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>no file is named</source>
        <translation>es ist keine Datei angegeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder &apos;%1&apos; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the end of the file</source>
        <translation>das Ende der Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unexpected string at line: %1: found %2; expected %3.</source>
        <translation>Unerwarteter Text in Zeile: %1: gefunden wurde %2; erwartet wurde %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unexpected string at line: %1 of the file &apos;%2&apos;: found %3; expected %4.</source>
        <translation>Unerwarteter Text in Zeile: %1 der Datei „%2“: gefunden wurde %3; erwartet wurde %4.</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>the primary language, a comma and the sublanguage of the LANGUAGE statement</source>
        <translation>die Hauptsprache, ein Komma und die Untersprache der LANGUAGE-Anweisung</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a resource statement (a name and a type), a LANGUAGE statement or a directive</source>
        <translation>eine Ressourcenanweisung (ein Name und ein Typ), eine LANGUAGE-Anweisung oder eine Direktive</translation>
    </message>
    <message>
        <location filename="../../src/core/workbench/target_check.cpp" line="+39"/>
        <source>its compiled resources cannot be read: %1</source>
        <translation>ihre kompilierten Ressourcen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it holds binary data, not text</source>
        <translation>sie enthält binäre Daten, keinen Text</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its line %1 is no statement of a script</source>
        <translation>ihre Zeile %1 ist keine Anweisung eines Skripts</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; cannot be the target, it is not a resource script: %2. Choose a script (.rc, .rc2) or a new file.</source>
        <translation>„%1“ kann nicht das Ziel sein, es ist kein Ressourcenskript: %2. Wählen Sie ein Skript (.rc, .rc2) oder eine neue Datei.</translation>
    </message>
    <message>
        <location filename="../../src/core/files/file_messages.cpp" line="-8"/>
        <source>the END of the STRINGTABLE that begins at line %1</source>
        <translation>das END der STRINGTABLE, die in Zeile %1 beginnt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an identifier and its quoted text for each string of the STRINGTABLE that begins at line %1</source>
        <translation>ein Bezeichner und sein Text in Anführungszeichen für jede Zeichenfolge der STRINGTABLE, die in Zeile %1 beginnt</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the END of the %1 resource %2 that begins at line %3</source>
        <translation>das END der %1-Ressource %2, die in Zeile %3 beginnt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MENUITEM or POPUP with a quoted text for each item of the menu %1 that begins at line %2</source>
        <translation>MENUITEM oder POPUP mit einem Text in Anführungszeichen für jeden Punkt des Menüs %1, das in Zeile %2 beginnt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the statements and controls of the dialog %1 that begins at line %2, each with its commas and values</source>
        <translation>die Anweisungen und Steuerelemente des Dialogs %1, der in Zeile %2 beginnt, jeweils mit ihren Kommas und Werten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>numbers and quoted strings in the DLGINIT %1 that begins at line %2</source>
        <translation>Zahlen und Zeichenfolgen in Anführungszeichen im DLGINIT %1, das in Zeile %2 beginnt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>BEGIN and a matching END for the %1 resource %2 that begins at line %3</source>
        <translation>BEGIN und ein passendes END für die %1-Ressource %2, die in Zeile %3 beginnt</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../../src/gui/workbench/external_dictionary.cpp" line="-38"/>
        <source>Exe files (*.exe);;All files (*)</source>
        <translation>Programmdateien (*.exe);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/gui/workbench/split_edit.cpp" line="+55"/>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
</context>
<context>
    <name>tarvelo</name>
    <message>
        <location filename="../../src/core/compiled/compiled_target.cpp" line="+30"/>
        <source>&apos;%1&apos; cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; holds no compiled resources that can be read: %2</source>
        <translation>„%1“ enthält keine lesbaren kompilierten Ressourcen: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a script</source>
        <translation>es ist ein Skript</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a copy of the program is written from a program (an .exe or .dll file) only</source>
        <translation>eine Kopie des Programms wird nur aus einem Programm (einer .exe- oder .dll-Datei) geschrieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (at offset 0x%2)</source>
        <translation>%1 (bei Offset 0x%2)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>A compiled file is written from a compiled source (a program or a .res file), or into a compiled file that already holds the program&apos;s resources. Save a script, or open the program as the source.</source>
        <translation>Eine kompilierte Datei wird aus einer kompilierten Quelle (einem Programm oder einer .res-Datei) geschrieben oder in eine kompilierte Datei, die die Ressourcen des Programms bereits enthält. Speichern Sie ein Skript, oder öffnen Sie das Programm als Quelle.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>&apos;%1&apos; is not written as a compiled file</source>
        <translation>„%1“ wird nicht als kompilierte Datei geschrieben</translation>
    </message>
    <message>
        <location filename="../../src/core/findings/check_findings.cpp" line="+28"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>“%1” %2: %3 in the source, %4 in the translation.</source>
        <translation>„%1“ %2: %3 im Ausgangstext, %4 in der Übersetzung.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The format specifications differ: %1 in the source, %2 in the translation.</source>
        <translation>Die Formatangaben unterscheiden sich: %1 im Ausgangstext, %2 in der Übersetzung.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>“%1” is not in the dictionary.</source>
        <translation>„%1“ steht nicht im Wörterbuch.</translation>
    </message>
    <message>
        <location filename="../../src/core/findings/report_findings.cpp" line="+86"/>
        <source>%1 %2, control %3: %4</source>
        <translation>%1 %2, Steuerelement %3: %4</translation>
    </message>
</context>
<context>
    <name>tarvelo::DialogReport</name>
    <message>
        <location filename="../../src/core/dialogs/text_measure.cpp" line="+31"/>
        <source>%1 not installed: measured with %2</source>
        <translation>%1 nicht installiert: gemessen mit %2</translation>
    </message>
    <message>
        <location filename="../../src/core/dialogs/report_fragment.cpp" line="+30"/>
        <source>Text is too long!</source>
        <translation>Text ist zu lang!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Added Styles: %1</source>
        <translation>Hinzugefügte Stile: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Removed Styles: %1</source>
        <translation>Entfernte Stile: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Added Extended Styles: %1</source>
        <translation>Hinzugefügte erweiterte Stile: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Removed Extended Styles: %1</source>
        <translation>Entfernte erweiterte Stile: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overlaps %1!</source>
        <translation>Überlappt %1!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reaches outside the dialog!</source>
        <translation>Ragt aus dem Dialog heraus!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Same access key as %1!</source>
        <translation>Gleiche Zugriffstaste wie %1!</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>There is nothing to report.</source>
        <translation>Es gibt nichts zu melden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 dialogs reported</source>
        <translation>%1 Dialoge gemeldet</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>1 dialog reported</source>
        <translation>1 Dialog gemeldet</translation>
    </message>
    <message>
        <location filename="../../src/core/dialogs/dialog_report.cpp" line="+65"/>
        <source>%1 at %2, %3</source>
        <translation>%1 bei %2, %3</translation>
    </message>
</context>
<context>
    <name>tarvelo::Inspector</name>
    <message>
        <location filename="../../src/core/workbench/inspector.cpp" line="+98"/>
        <source>at the beginning</source>
        <translation>am Anfang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at the end</source>
        <translation>am Ende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>anywhere</source>
        <translation>überall</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Mismatch the count of following characters:</source>
        <translation>Die Anzahl folgender Zeichen stimmt nicht überein:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mismatch Format Specification!</source>
        <translation>Formatangaben stimmen nicht überein!</translation>
    </message>
</context>
<context>
    <name>tarvelo::ItemChecks</name>
    <message>
        <location filename="../../src/core/workbench/item_checks.cpp" line="+69"/>
        <source>The translation has %1 characters; at most %2 are allowed for %3 (limits file line %4).</source>
        <translation>Die Übersetzung hat %1 Zeichen; für %3 sind höchstens %2 erlaubt (Zeile %4 der Längendatei).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The translation is the same as the source.</source>
        <translation>Die Übersetzung ist gleich dem Ausgangstext.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The access key &apos;%1&apos; is also used by %2 in this menu.</source>
        <translation>Die Zugriffstaste &apos;%1&apos; wird in diesem Menü auch von %2 verwendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>tarvelo::ItemListModel</name>
    <message>
        <location filename="../../src/core/workbench/item_list_model.cpp" line="+228"/>
        <source> Original Text</source>
        <translation> Ausgangstext</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Translated Text</source>
        <translation> Übersetzung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
</context>
<context>
    <name>tarvelo::LengthLimits</name>
    <message>
        <location filename="../../src/core/findings/length_limits.cpp" line="+37"/>
        <location line="+13"/>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>%1: is larger than %2 bytes; it is not a limits file</source>
        <translation>%1: ist größer als %2 Bytes; das ist keine Längendatei</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 line %2: &quot;%3&quot; is not a pattern followed by a maximum length</source>
        <translation>%1 Zeile %2: &quot;%3&quot; ist kein Muster mit folgender Höchstlänge</translation>
    </message>
</context>
<context>
    <name>tarvelo::LocaleNames</name>
    <message>
        <location filename="../../src/core/text/locale_names.cpp" line="+8"/>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Icelandic</source>
        <translation>Isländisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian Bokmal</source>
        <translation>Norwegisch Bokmål</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romansh</source>
        <translation>Bündnerromanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Albanian</source>
        <translation>Albanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Urdu</source>
        <translation>Urdu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belarusian</source>
        <translation>Belarussisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tajik</source>
        <translation>Tadschikisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Armenian</source>
        <translation>Armenisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Azerbaijani</source>
        <translation>Aserbaidschanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basque</source>
        <translation>Baskisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper Sorbian</source>
        <translation>Obersorbisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macedonian</source>
        <translation>Mazedonisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tswana</source>
        <translation>Tswana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Xhosa</source>
        <translation>Xhosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zulu</source>
        <translation>Zulu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroese</source>
        <translation>Färöisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maltese</source>
        <translation>Maltesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Northern Sami</source>
        <translation>Nordsamisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malay</source>
        <translation>Malaiisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kazakh</source>
        <translation>Kasachisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kyrgyz</source>
        <translation>Kirgisisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swahili</source>
        <translation>Suaheli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkmen</source>
        <translation>Turkmenisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uzbek</source>
        <translation>Usbekisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tatar</source>
        <translation>Tatarisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bangla</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Punjabi</source>
        <translation>Panjabi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Odia</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tamil</source>
        <translation>Tamilisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assamese</source>
        <translation>Assamesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marathi</source>
        <translation>Marathi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sanskrit</source>
        <translation>Sanskrit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mongolian</source>
        <translation>Mongolisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tibetan</source>
        <translation>Tibetisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welsh</source>
        <translation>Walisisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lao</source>
        <translation>Laotisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Galician</source>
        <translation>Galizisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Konkani</source>
        <translation>Konkani</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Syriac</source>
        <translation>Syrisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sinhala</source>
        <translation>Singhalesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherokee</source>
        <translation>Cherokee</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inuktitut</source>
        <translation>Inuktitut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amharic</source>
        <translation>Amharisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nepali</source>
        <translation>Nepali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Western Frisian</source>
        <translation>Westfriesisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pashto</source>
        <translation>Paschtu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filipino</source>
        <translation>Filipino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divehi</source>
        <translation>Dhivehi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hausa</source>
        <translation>Hausa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yoruba</source>
        <translation>Yoruba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Northern Sotho</source>
        <translation>Nord-Sotho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bashkir</source>
        <translation>Baschkirisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourgish</source>
        <translation>Luxemburgisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kalaallisut</source>
        <translation>Grönländisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Igbo</source>
        <translation>Igbo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tigrinya</source>
        <translation>Tigrinya</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hawaiian</source>
        <translation>Hawaiianisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sichuan Yi</source>
        <translation>Sichuan-Yi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mapuche</source>
        <translation>Mapudungun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mohawk</source>
        <translation>Mohawk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breton</source>
        <translation>Bretonisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uyghur</source>
        <translation>Uigurisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maori</source>
        <translation>Maori</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Occitan</source>
        <translation>Okzitanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corsican</source>
        <translation>Korsisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swiss German</source>
        <translation>Schweizerdeutsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sakha</source>
        <translation>Jakutisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kinyarwanda</source>
        <translation>Kinyarwanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wolof</source>
        <translation>Wolof</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gaelic</source>
        <translation>Schottisches Gälisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kurdish</source>
        <translation>Kurdisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian Nynorsk</source>
        <translation>Norwegisch Nynorsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serbian</source>
        <translation>Serbisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Sorbian</source>
        <translation>Niedersorbisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irish</source>
        <translation>Irisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sindhi</source>
        <translation>Sindhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Atlas Tamazight</source>
        <translation>Zentralatlas-Tamazight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fulah</source>
        <translation>Ful</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lule Sami</source>
        <translation>Lule-Samisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bosnian</source>
        <translation>Bosnisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Southern Sami</source>
        <translation>Südsamisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skolt Sami</source>
        <translation>Skolt-Samisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inari Sami</source>
        <translation>Inari-Samisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Simplified</source>
        <translation>vereinfacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional</source>
        <translation>traditionell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latin</source>
        <translation>Lateinisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canadian Aboriginal</source>
        <translation>Kanadische Silbenschrift</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saudi Arabia</source>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czechia</source>
        <translation>Tschechien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Island</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Korea</source>
        <translation>Südkorea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Rumänien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Kroatien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovakia</source>
        <translation>Slowakei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Albania</source>
        <translation>Albanien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indonesia</source>
        <translation>Indonesien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belarus</source>
        <translation>Belarus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Slowenien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Lettland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuania</source>
        <translation>Litauen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tajikistan</source>
        <translation>Tadschikistan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Armenia</source>
        <translation>Armenien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Azerbaijan</source>
        <translation>Aserbaidschan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macedonia</source>
        <translation>Nordmazedonien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgia</source>
        <translation>Georgien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Färöer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>India</source>
        <translation>Indien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kazakhstan</source>
        <translation>Kasachstan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kyrgyzstan</source>
        <translation>Kirgisistan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkmenistan</source>
        <translation>Turkmenistan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uzbekistan</source>
        <translation>Usbekistan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mongolia</source>
        <translation>Mongolei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambodia</source>
        <translation>Kambodscha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laos</source>
        <translation>Laos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Syria</source>
        <translation>Syrien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sri Lanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ethiopia</source>
        <translation>Äthiopien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nepal</source>
        <translation>Nepal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Afghanistan</source>
        <translation>Afghanistan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Philippines</source>
        <translation>Philippinen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maldives</source>
        <translation>Malediven</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Grönland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rwanda</source>
        <translation>Ruanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iraq</source>
        <translation>Irak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moldova</source>
        <translation>Moldau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serbia and Montenegro (Former)</source>
        <translation>Serbien und Montenegro (ehemals)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Botswana</source>
        <translation>Botsuana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brunei</source>
        <translation>Brunei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bangladesh</source>
        <translation>Bangladesch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Algeria</source>
        <translation>Algerien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eritrea</source>
        <translation>Eritrea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Ägypten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Libya</source>
        <translation>Libyen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guatemala</source>
        <translation>Guatemala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bosnia And Herzegovina</source>
        <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macao</source>
        <translation>Macau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morocco</source>
        <translation>Marokko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunesien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dominican Republic</source>
        <translation>Dominikanische Republik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oman</source>
        <translation>Oman</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jamaica</source>
        <translation>Jamaika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yemen</source>
        <translation>Jemen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caribbean</source>
        <translation>Karibik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colombia</source>
        <translation>Kolumbien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serbia</source>
        <translation>Serbien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belize</source>
        <translation>Belize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jordan</source>
        <translation>Jordanien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinidad And Tobago</source>
        <translation>Trinidad und Tobago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Argentina</source>
        <translation>Argentinien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lebanon</source>
        <translation>Libanon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zimbabwe</source>
        <translation>Simbabwe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Arab Emirates</source>
        <translation>Vereinigte Arabische Emirate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qatar</source>
        <translation>Katar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bolivia</source>
        <translation>Bolivien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El Salvador</source>
        <translation>El Salvador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nicaragua</source>
        <translation>Nicaragua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puerto Rico</source>
        <translation>Puerto Rico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Traditional Sort</source>
        <translation>traditionelle Sortierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valencian</source>
        <translation>Valencianisch</translation>
    </message>
</context>
<context>
    <name>tarvelo::OccurrencesModel</name>
    <message>
        <location filename="../../src/core/workbench/occurrences_model.cpp" line="+92"/>
        <source>Occurrences</source>
        <translation>Vorkommen</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>Occurrences (%n items)</source>
        <translation>
            <numerusform>Vorkommen (%n Eintrag)</numerusform>
            <numerusform>Vorkommen (%n Einträge)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarvelo::ResourceGroup</name>
    <message>
        <location filename="../../src/core/script/resource_group.cpp" line="+11"/>
        <source>Dialog controls init</source>
        <translation>Dialoginitialisierung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>String Table</source>
        <translation>Zeichenfolgentabelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Accelerators</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anicursor</source>
        <translation>Animierter Cursor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aniicon</source>
        <translation>Animiertes Symbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Designinfo</source>
        <translation>Entwurfsinformationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Html</source>
        <translation>HTML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menuex</source>
        <translation>Erweitertes Menü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Messagetable</source>
        <translation>Meldungstabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rcdata</source>
        <translation>Rohdaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Textinclude</source>
        <translation>Texteinbindung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Versioninfo</source>
        <translation>Versionsinformationen</translation>
    </message>
</context>
<context>
    <name>tarvelo::ResourceTreeModel</name>
    <message>
        <location filename="../../src/core/workbench/resource_tree_model.cpp" line="+40"/>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
</context>
<context>
    <name>tarvelo::Settings</name>
    <message>
        <location filename="../../src/core/seam/settings_keys.cpp" line="+132"/>
        <source>--untranslated--</source>
        <translation>--nicht übersetzt--</translation>
    </message>
</context>
<context>
    <name>tarvelo::SpellService</name>
    <message>
        <location filename="../../src/core/spelling/spell_service.cpp" line="+41"/>
        <source>There is no dictionary for %1: spelling is not checked.</source>
        <translation>Für %1 gibt es kein Wörterbuch: Die Rechtschreibung wird nicht geprüft.</translation>
    </message>
</context>
<context>
    <name>tarvelo::Verification</name>
    <message>
        <location filename="../../src/core/script/verification.cpp" line="+135"/>
        <source>%1 of %2 items verified (%3 matched, %4 fuzzy, %5 not found, %6 source modified, %7 filled)</source>
        <translation>%1 von %2 Einträgen geprüft (%3 zugeordnet, %4 unscharf, %5 nicht gefunden, %6 Ausgangstext geändert, %7 gefüllt)</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::AboutDialog</name>
    <message>
        <location filename="../../src/gui/options/about_dialog.cpp" line="+31"/>
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
    <name>tarvelo::gui::AnalysisWindow</name>
    <message>
        <location filename="../../src/gui/analysis/analysis_window.cpp" line="+52"/>
        <source>Tarvelo - Analysis</source>
        <translation>Tarvelo - Analyse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>HTML page (*.html)</source>
        <translation>HTML-Seite (*.html)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Analysis As</source>
        <translation>Analyse speichern unter</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose what to analyse and press Analyse.</source>
        <translation>Wählen Sie, was analysiert werden soll, und klicken Sie auf „Analysieren“.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Each Chinese, Japanese or Korean character is a word</source>
        <translation>Jedes chinesische, japanische oder koreanische Zeichen ist ein Wort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GMX-V weights for Chinese, Japanese and Korean</source>
        <translation>GMX-V-Gewichtung für Chinesisch, Japanisch und Koreanisch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Counting:</source>
        <translation>&amp;Zählung:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The lower limits of the match bands in percent, highest first</source>
        <translation>Die unteren Grenzen der Trefferbereiche in Prozent, die höchste zuerst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bands:</source>
        <translation>&amp;Bereiche:</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Ana&amp;lyse:</source>
        <translation>Ana&amp;lyse von:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Sho&amp;w:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>% of words</source>
        <translation>% der Wörter</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Analy&amp;se</source>
        <translation>Analy&amp;sieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Open task</source>
        <translation>Offene Aufgabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whole project</source>
        <translation>Ganzes Projekt</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The bands are not valid: %1</source>
        <translation>Die Bereiche sind ungültig: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The analysis was cancelled.</source>
        <translation>Die Analyse wurde abgebrochen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 task could not be analysed.</source>
        <translation>1 Aufgabe konnte nicht analysiert werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 tasks could not be analysed.</source>
        <translation>%1 Aufgaben konnten nicht analysiert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 task analysed.</source>
        <translation>1 Aufgabe analysiert.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tasks analysed.</source>
        <translation>%1 Aufgaben analysiert.</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+29"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Context match</source>
        <translation>Kontexttreffer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repetition</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 was not analysed: %2</source>
        <translation>%1 wurde nicht analysiert: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::BandChart</name>
    <message>
        <location filename="../../src/gui/analysis/band_chart.cpp" line="+40"/>
        <location line="+18"/>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ChecksPage</name>
    <message>
        <location filename="../../src/gui/options/checks_page.cpp" line="+34"/>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Maximum lengths:</source>
        <translation>&amp;Höchstlängen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Report &amp;translations equal to their source</source>
        <translation>Ü&amp;bersetzungen gleich dem Ausgangstext melden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Maximum Lengths</source>
        <translation>Höchstlängen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ControlsPropertiesWindow</name>
    <message>
        <location filename="../../src/gui/dialogs/controls_properties.cpp" line="+41"/>
        <source>Dialog controls properties</source>
        <translation>Eigenschaften der Dialogsteuerelemente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Size &amp;&amp; Position</source>
        <translation>Größe &amp;&amp; Position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal:</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical:</source>
        <translation>Vertikal:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right-to-left reading order</source>
        <translation>Leserichtung von rechts nach links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right aligned text</source>
        <translation>Rechtsbündiger Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left scrollbar</source>
        <translation>Bildlaufleiste links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Multiline</source>
        <translation>Mehrzeilig</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::DialogBoard</name>
    <message>
        <location filename="../../src/gui/dialogs/dialog_board.cpp" line="+72"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+255"/>
        <source>Current dialog font is &apos;%1&apos;.
Do you want to set it to the system dialog font?</source>
        <translation>Die aktuelle Dialogschriftart ist &apos;%1&apos;.
Möchten Sie sie auf die Systemdialogschriftart setzen?</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::DirectivesImportDialog</name>
    <message>
        <location filename="../../src/gui/task/directives_import_dialog.cpp" line="+25"/>
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
    <message>
        <location line="+45"/>
        <source>&apos;%1&apos; cannot be its own target: saving would write over it. Choose another file, or leave the target empty to specify it later.</source>
        <translation>„%1“ kann nicht sein eigenes Ziel sein: Beim Speichern würde es überschrieben. Wählen Sie eine andere Datei, oder lassen Sie das Ziel leer, um es später anzugeben.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ExchangeFileDialog</name>
    <message>
        <location filename="../../src/gui/exchange/exchange_file_dialog.cpp" line="+23"/>
        <source>Glossary (*.csv)</source>
        <translation>Glossar (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Catalog (*.po)</source>
        <translation>Katalog (*.po)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XLIFF (*.xlf *.xliff)</source>
        <translation>XLIFF (*.xlf *.xliff)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Selection:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All items</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filtered items</source>
        <translation>Gefilterte Einträge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter setup...</source>
        <translation>Filter einrichten...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Delimiters:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FilterSetupDialog</name>
    <message>
        <location filename="../../src/gui/workbench/filter_setup_dialog.cpp" line="+19"/>
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
        <translation>Unscharf-Markierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different text in the translation memory</source>
        <translation>Anderer Text im Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not verified</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Misspelt words</source>
        <translation>Falsch geschriebene Wörter</translation>
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
        <location filename="../../src/gui/workbench/find_dialog.cpp" line="+17"/>
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
        <location filename="../../src/gui/workbench/fuzzy_alternatives_dialog.cpp" line="+29"/>
        <source>Fuzzy Item Translation Alternatives</source>
        <translation>Übersetzungsalternativen für unscharfe Einträge</translation>
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
        <location filename="../../src/gui/task/fuzzy_items_dialog.cpp" line="+25"/>
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
        <translation>&amp;Unscharfe Einträge:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Clear Fuzzy Flag</source>
        <translation>Unscharf-Markierung &amp;entfernen</translation>
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
        <location filename="../../src/gui/options/general_page.cpp" line="+65"/>
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
        <location line="+40"/>
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
        <location line="-39"/>
        <source>Write every saved &amp;dialog again in one format</source>
        <translation>Jeden gespeicherten &amp;Dialog neu in einem einheitlichen Format schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off: a save changes only the dialog statements whose text or layout changed. On: every dialog of the target is printed again as DIALOGEX from its layout.</source>
        <translation>Aus: Beim Speichern ändern sich nur die Dialoganweisungen, deren Text oder Layout sich geändert hat. Ein: Jeder Dialog des Ziels wird aus seinem Layout neu als DIALOGEX geschrieben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Use &amp;relative path of the resource files in the project</source>
        <translation>&amp;Relative Pfade der Ressourcendateien im Projekt verwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Update Enabled</source>
        <translation>&amp;Automatische Aktualisierung aktivieren</translation>
    </message>
    <message>
        <location line="+47"/>
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
        <location line="+15"/>
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
    <name>tarvelo::gui::GlossaryImportDialog</name>
    <message>
        <location filename="../../src/gui/memory/glossary_import_dialog.cpp" line="+14"/>
        <source>Import glossary</source>
        <translation>Glossar importieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glossary (*.csv)</source>
        <translation>Glossar (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delimiters:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::HelpWindow</name>
    <message>
        <location filename="../../src/gui/options/help_window.cpp" line="+74"/>
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
    <message>
        <location line="-106"/>
        <source>help</source>
        <comment>The folder of the help topics in the resources: help/de for the German topics.</comment>
        <translation>help/de</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::InspectionGroup</name>
    <message>
        <location filename="../../src/gui/options/inspection_group.cpp" line="+20"/>
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
        <location filename="../../src/gui/workbench/item_list_view.cpp" line="+215"/>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to Translation Memory</source>
        <translation>Zum Übersetzungsspeicher hinzufügen</translation>
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
        <location line="+3"/>
        <source>Translate using machine translation</source>
        <translation>Maschinell übersetzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste Fuzzy</source>
        <translation>Unscharfe Alternative einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Another Occurence</source>
        <translation>Anderes Vorkommen einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Translation Memory</source>
        <translation>Aus dem Übersetzungsspeicher einfügen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::LanguageCombo</name>
    <message>
        <location filename="../../src/gui/task/language_combo.cpp" line="+21"/>
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
    <name>tarvelo::gui::LanguageFileDialog</name>
    <message>
        <location filename="../../src/gui/memory/language_file_dialog.cpp" line="+19"/>
        <source>Source language:</source>
        <translation>Ausgangssprache:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target language:</source>
        <translation>Zielsprache:</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::LayoutEditor</name>
    <message>
        <location filename="../../src/gui/dialogs/layout_editor.cpp" line="+278"/>
        <source>The dialog shows the layout of the source script. Choose &quot;Load from target&quot; to change the translated layout.</source>
        <translation>Der Dialog zeigt das Layout des Quellskripts. Wählen Sie &quot;Aus Ziel laden&quot;, um das übersetzte Layout zu ändern.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The layout of the dialog %1 cannot be changed here: the dialog holds macros or statements that are written to the target only as they stand. Change its layout in the script.</source>
        <translation>Das Layout des Dialogs %1 kann hier nicht geändert werden: Der Dialog enthält Makros oder Anweisungen, die nur unverändert in das Ziel geschrieben werden. Ändern Sie sein Layout im Skript.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MachineTranslationDialog</name>
    <message>
        <location filename="../../src/gui/online/machine_translation_dialog.cpp" line="+21"/>
        <source>Machine Translation</source>
        <translation>Maschinelle Übersetzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply machine translation on following selection:</source>
        <translation>Maschinelle Übersetzung auf folgende Auswahl anwenden:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All items</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Filtered items</source>
        <translation>Gefilterte Einträge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current Item</source>
        <translation>Aktueller Eintrag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Filter setup...</source>
        <translation>Filter einrichten...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Service: %1</source>
        <translation>Dienst: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MachineTranslationPage</name>
    <message>
        <location filename="../../src/gui/options/machine_translation_page.cpp" line="+30"/>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+4"/>
        <location line="+5"/>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Service:</source>
        <translation>&amp;Dienst:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Key:</source>
        <translation>&amp;Schlüssel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Model:</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;emperature:</source>
        <translation>T&amp;emperatur:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items per &amp;request:</source>
        <translation>E&amp;lemente je Anfrage:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Connection time-out:</source>
        <translation>&amp;Zeitlimit der Verbindung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Time-out of a request:</source>
        <translation>Zeitlimit einer Anfra&amp;ge:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time-out of a model&apos;s a&amp;nswer:</source>
        <translation>Zeitlimit für die A&amp;ntwort eines Modells:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Texts are sent to the chosen service only. Leave the address empty for the service&apos;s public address. A LibreTranslate server of your own is reached at its address, such as http://localhost:5000. DeepL needs a key; MyMemory works without one. The key is kept in a settings file that only you can read.

OpenAI-compatible: a language model served by llama.cpp&apos;s llama-server (such as http://localhost:8080) or Ollama (http://localhost:11434), or a hosted service. For each item it is sent the source text, the resource kind and identifier, a dialog control&apos;s dialog caption and the texts of its other controls, a menu item&apos;s popups, the item&apos;s comment, terms from the translation memory, the target language and a dialog control&apos;s room in pixels. An answer too long for its control is sent back once for a shorter wording. A model answers a whole request at once: on a computer without a graphics card that may take minutes.</source>
        <translation>Texte werden nur an den gewählten Dienst gesendet. Lassen Sie die Adresse leer, um die öffentliche Adresse des Dienstes zu verwenden. Einen eigenen LibreTranslate-Server erreichen Sie unter seiner Adresse, etwa http://localhost:5000. DeepL braucht einen Schlüssel; MyMemory funktioniert ohne. Der Schlüssel wird in einer Einstellungsdatei gespeichert, die nur Sie lesen können.

OpenAI-kompatibel: ein Sprachmodell, das llama.cpps llama-server (etwa http://localhost:8080) oder Ollama (http://localhost:11434) bereitstellt, oder ein gehosteter Dienst. Zu jedem Element werden gesendet: der Quelltext, Ressourcenart und Bezeichner, bei einem Dialogsteuerelement der Titel des Dialogs und die Texte seiner anderen Steuerelemente, bei einem Menüeintrag die Untermenüs darüber, der Kommentar des Elements, Begriffe aus dem Übersetzungsspeicher, die Zielsprache und bei einem Dialogsteuerelement der Platz in Pixeln. Eine Antwort, die für ihr Steuerelement zu lang ist, wird einmal zurückgeschickt, mit der Bitte um eine kürzere Fassung. Ein Modell beantwortet eine ganze Anfrage auf einmal: Auf einem Rechner ohne Grafikkarte kann das Minuten dauern.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MainFrame</name>
    <message>
        <location filename="../../src/gui/workbench/main_frame.cpp" line="+60"/>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MemoryCopyDialog</name>
    <message>
        <location filename="../../src/gui/memory/memory_copy_dialog.cpp" line="+20"/>
        <source>Copy Translation Memory</source>
        <translation>Übersetzungsspeicher kopieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy from:</source>
        <translation>Kopieren aus:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy to:</source>
        <translation>Kopieren nach:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A memory is a folder, or the address of a team memory on a PostgreSQL server (postgresql://...). Every language pair is copied; a pair the destination holds already adds its counts.</source>
        <translation>Ein Speicher ist ein Ordner oder die Adresse eines Team-Speichers auf einem PostgreSQL-Server (postgresql://...). Alle Sprachpaare werden kopiert; ein Paar, das das Ziel schon enthält, zählt seine Verwendungen hinzu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Choose a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translation Memory Folder</source>
        <translation>Ordner des Übersetzungsspeichers</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MemoryPage</name>
    <message>
        <location filename="../../src/gui/options/memory_page.cpp" line="+54"/>
        <source>&amp;Path:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A folder, or the address of a team memory on a PostgreSQL server, such as postgresql://translator@server/memory or postgresql:///?service=memory</source>
        <translation>Ein Ordner oder die Adresse eines gemeinsamen Speichers auf einem PostgreSQL-Server, etwa postgresql://translator@server/memory oder postgresql:///?service=memory</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Fill empty target items from  Translation Memory when opening</source>
        <translation>&amp;Leere Zieleinträge beim Öffnen aus dem Übersetzungsspeicher füllen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Automaticaly complete item from Translation Memory when writing</source>
        <translation>Einträge beim Schreiben &amp;automatisch aus dem Übersetzungsspeicher vervollständigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fill fu&amp;zzy matches from</source>
        <translation>Leere Einträge mit unscharfen Treffern f&amp;üllen ab</translation>
    </message>
    <message>
        <location line="+15"/>
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
        <translation>Aktuelle Übersetzungen im Übersetzungsspeicher &amp;speichern:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ask</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save texts that are the same in both &amp;languages:</source>
        <translation>&amp;Gleiche Texte in beiden Sprachen speichern:</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Translation Memory Folder</source>
        <translation>Ordner des Übersetzungsspeichers</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>The address of the Translation Memory &apos;%1&apos; is not a connection URI that can be read.</source>
        <translation>Die Adresse des Übersetzungsspeichers „%1“ ist kein lesbarer Verbindungs-URI.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The address of the Translation Memory holds a password, which the settings would keep in clear text. Leave the password out of the address and put it in the file .pgpass (pgpass.conf on Windows), or name a service of pg_service.conf instead.</source>
        <translation>Die Adresse des Übersetzungsspeichers enthält ein Kennwort, das die Einstellungen im Klartext aufbewahren würden. Lassen Sie das Kennwort in der Adresse weg und tragen Sie es in die Datei .pgpass (unter Windows pgpass.conf) ein, oder nennen Sie stattdessen einen Dienst aus pg_service.conf.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Translation Memory at &apos;%1&apos; cannot be used: %2</source>
        <translation>Der Übersetzungsspeicher unter „%1“ kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MemorySearchWindow</name>
    <message>
        <location filename="../../src/gui/memory/memory_search_window.cpp" line="-179"/>
        <source>Search Translation Memory</source>
        <translation>Übersetzungsspeicher durchsuchen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OR</source>
        <translation>ODER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AND</source>
        <translation>UND</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Original Text</source>
        <translation> Ausgangstext</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Translated Text</source>
        <translation> Übersetzung</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove the pair from the Translation Memory</source>
        <translation>Das Paar aus dem Übersetzungsspeicher entfernen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Items:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Original Text:</source>
        <translation>Ausgangstext:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Translated Text:</source>
        <translation>Übersetzung:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OpenMoreTasksDialog</name>
    <message>
        <location filename="../../src/gui/project/open_more_tasks_dialog.cpp" line="+33"/>
        <source>Open More Tasks</source>
        <translation>Weitere Aufgaben öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open all tasks from project with following languages together as one task.</source>
        <translation>Alle Aufgaben des Projekts mit folgenden Sprachen zusammen als eine Aufgabe öffnen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Source language:</source>
        <translation>Ausgangssprache:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target language:</source>
        <translation>Zielsprache:</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OpenResourcesDialog</name>
    <message>
        <location filename="../../src/gui/task/open_resources_dialog.cpp" line="+27"/>
        <source>Open Resources</source>
        <translation>Ressourcen öffnen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OptionsDialog</name>
    <message>
        <location filename="../../src/gui/options/options_dialog.cpp" line="+24"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translation Memory</source>
        <translation>Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Machine Translation</source>
        <translation>Maschinelle Übersetzung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Restart the program for the change of the language to take effect!</source>
        <translation>Starten Sie das Programm neu, damit die Änderung der Sprache wirksam wird!</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::PlainTextView</name>
    <message>
        <location filename="../../src/gui/workbench/plain_text_view.cpp" line="+35"/>
        <source>Load from source</source>
        <translation>Aus Quelldatei laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load from target</source>
        <translation>Aus Zieldatei laden</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Are you sure you want to change this resource item?</source>
        <translation>Möchten Sie dieses Ressourcenelement wirklich ändern?</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ProjectPane</name>
    <message>
        <location filename="../../src/gui/project/project_pane.cpp" line="+210"/>
        <source>Open more tasks</source>
        <translation>Weitere Aufgaben öffnen</translation>
    </message>
    <message>
        <location line="-367"/>
        <source>Tarvelo Project (*.tvx)</source>
        <translation>Tarvelo-Projekt (*.tvx)</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Do you want to copy current tasks to the new project?</source>
        <translation>Möchten Sie die aktuellen Aufgaben in das neue Projekt übernehmen?</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>Open Tasks</source>
        <translation>Aufgaben öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove Tasks</source>
        <translation>Aufgaben entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Tasks...</source>
        <translation>Aufgaben bearbeiten...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Project As...</source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Add to project</source>
        <translation>Zum Projekt hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Opened task to project</source>
        <translation>Geöffnete Aufgabe zum Projekt hinzufügen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::PseudoTranslateDialog</name>
    <message>
        <location filename="../../src/gui/workbench/pseudo_translate_dialog.cpp" line="+21"/>
        <source>Pseudo-Translation</source>
        <translation>Pseudoübersetzung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every translated text is replaced by its source with accented letters, lengthened and put in brackets, so that clipped and untranslatable texts show in the dialogs.</source>
        <translation>Jede Übersetzung wird durch ihren Ausgangstext mit akzentuierten Buchstaben ersetzt, verlängert und in Klammern gesetzt, so dass abgeschnittene und unübersetzbare Texte in den Dialogen sichtbar werden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Lengthen texts by:</source>
        <translation>Texte verlängern um:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right-to-left pseudo-language</source>
        <translation>Pseudosprache von rechts nach links</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The target&apos;s code page %1 cannot hold right-to-left marks: the right-to-left pseudo-language needs a Unicode target.</source>
        <translation>Die Codepage %1 des Ziels kann keine Rechts-nach-links-Zeichen aufnehmen: Die Pseudosprache von rechts nach links braucht ein Unicode-Ziel.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ReportFrame</name>
    <message>
        <location filename="../../src/gui/report/report_frame.cpp" line="+29"/>
        <source>Tarvelo - Dialogs Report</source>
        <translation>Tarvelo - Dialogbericht</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ReportSettingDialog</name>
    <message>
        <location filename="../../src/gui/report/report_setting_dialog.cpp" line="+15"/>
        <source>Report Setting</source>
        <translation>Berichtseinstellung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Report too long texts</source>
        <translation>Zu lange Texte melden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report different alignment styles</source>
        <translation>Abweichende Ausrichtungsstile melden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report different other styles</source>
        <translation>Abweichende andere Stile melden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report controls that now overlap others</source>
        <translation>Steuerelemente melden, die jetzt andere überlappen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report controls that now reach outside the dialog</source>
        <translation>Steuerelemente melden, die jetzt aus dem Dialog ragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report controls with the same access key</source>
        <translation>Steuerelemente mit gleicher Zugriffstaste melden</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ReportView</name>
    <message>
        <location filename="../../src/gui/report/report_view.cpp" line="+24"/>
        <source>Setting...</source>
        <translation>Einstellung...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ResourceChoiceTree</name>
    <message>
        <location filename="../../src/gui/task/resource_choice_tree.cpp" line="+20"/>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ResourceTreeView</name>
    <message>
        <location filename="../../src/gui/workbench/resource_tree_view.cpp" line="+106"/>
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
        <location filename="../../src/gui/task/same_text_dialog.cpp" line="+15"/>
        <source>Translation Memory</source>
        <translation>Übersetzungsspeicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving text:</source>
        <translation>Zu speichernder Text:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The source and target texts are the same. Do you want to save them to the Translation Memory?</source>
        <translation>Ausgangstext und Übersetzung sind identisch. Möchten Sie sie im Übersetzungsspeicher speichern?</translation>
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
        <location filename="../../src/gui/task/save_to_file_dialog.cpp" line="+23"/>
        <source>Resource files (*.rc *.rc2)</source>
        <translation>Ressourcendateien (*.rc *.rc2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="vanished">Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compiled resources (*.res)</source>
        <translation>Kompilierte Ressourcen (*.res)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resource-only language DLL (*.dll *.mui)</source>
        <translation>Reine Ressourcen-Sprach-DLL (*.dll *.mui)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy of the program, signature removed (*.exe *.dll *.ocx *.cpl)</source>
        <translation>Kopie des Programms, Signatur entfernt (*.exe *.dll *.ocx *.cpl)</translation>
    </message>
    <message>
        <location line="+49"/>
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
        <location filename="../../src/gui/task/saving_resources_dialog.cpp" line="+18"/>
        <source>The target resource file contains following resource items missing in the source file. Select items you want to keep in the file.</source>
        <translation>Die Zielressourcendatei enthält folgende Ressourcenelemente, die in der Quelldatei fehlen. Wählen Sie die Elemente aus, die in der Datei erhalten bleiben sollen.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ScriptSearchDialog</name>
    <message>
        <location filename="../../src/gui/project/script_search_dialog.cpp" line="+54"/>
        <source>Search resource files</source>
        <translation>Ressourcendateien suchen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Search subfolders</source>
        <translation>Unterordner durchsuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search Microsoft Visual C++ project  (*.dsw; *.dsp; *.sln; *.vcproj)</source>
        <translation>Microsoft-Visual-C++-Projekt durchsuchen  (*.dsw; *.dsp; *.sln; *.vcproj)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search Tarvelo project  (*.tvx)</source>
        <translation>Tarvelo-Projekt durchsuchen  (*.tvx)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Modified between:</source>
        <translation>Geändert zwischen:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Containing language:</source>
        <translation>Mit der Sprache:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Set as Source</source>
        <translation>Als Quelle setzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set as Target</source>
        <translation>Als Ziel setzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simple dialog...</source>
        <translation>Einfacher Dialog...</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+43"/>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Project files (*.dsp *.dsw *.sln *.vcproj *.vcxproj)</source>
        <translation>Projektdateien (*.dsp *.dsw *.sln *.vcproj *.vcxproj)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project file (*.tvx)</source>
        <translation>Projektdatei (*.tvx)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SendResourceDialog</name>
    <message>
        <location filename="../../src/gui/online/send_resource_dialog.cpp" line="+21"/>
        <source>Send resource</source>
        <translation>Ressource senden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Send &amp;as:</source>
        <translation>Senden &amp;als:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attach &amp;source file</source>
        <translation>&amp;Quelldatei anhängen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach &amp;target file</source>
        <translation>&amp;Zieldatei anhängen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send to Tarvelo &amp;author</source>
        <translation>An den Tarvelo-&amp;Autor senden</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SplitEdit</name>
    <message>
        <location filename="../../src/gui/workbench/split_edit.cpp" line="+23"/>
        <source>Fuzzy Item Translation Alternatives</source>
        <translation>Übersetzungsalternativen für unscharfe Einträge</translation>
    </message>
    <message>
        <location line="+31"/>
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
    <name>tarvelo::gui::TargetEditor</name>
    <message>
        <location filename="../../src/gui/workbench/target_editor.cpp" line="+185"/>
        <source>(no suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The word &apos;%1&apos; could not be kept in the user dictionary.</source>
        <translation>Das Wort &apos;%1&apos; konnte nicht im Benutzerwörterbuch gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::TaskForm</name>
    <message>
        <location filename="../../src/gui/task/task_form.cpp" line="+34"/>
        <source>Search dialog...</source>
        <translation>Suchdialog...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Resource files (*.rc *.rc2)</source>
        <translation>Ressourcendateien (*.rc *.rc2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs and compiled resources (*.exe *.dll *.ocx *.cpl *.mui *.res)</source>
        <translation>Programme und kompilierte Ressourcen (*.exe *.dll *.ocx *.cpl *.mui *.res)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Task &amp;name:</source>
        <translation>Aufgaben&amp;name:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Source file:</source>
        <translation>&amp;Quelldatei:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>resource.h of the program, for its names (optional)</source>
        <translation>resource.h des Programms, für seine Namen (optional)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Header:</source>
        <translation>&amp;Headerdatei:</translation>
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
        <location line="+6"/>
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
        <translation>Leere Einträge aus dem Übersetzungsspeicher füllen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Header of the Program</source>
        <translation>Header des Programms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Header files (*.h *.hh *.hpp);;All files (*)</source>
        <translation>Headerdateien (*.h *.hh *.hpp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>New file, written as: %1</source>
        <translation>Neue Datei, geschrieben als: %1</translation>
    </message>
    <message>
        <location line="+22"/>
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
        <location filename="../../src/gui/task/task_properties_dialog.cpp" line="+31"/>
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
<context>
    <name>tarvelo::gui::TerminologyDialog</name>
    <message>
        <location filename="../../src/gui/exchange/terminology_dialog.cpp" line="+17"/>
        <source>Import Microsoft Terminology</source>
        <translation>Microsoft-Terminologie importieren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Select languages from list:</source>
        <translation>Sprachen aus der Liste wählen:</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Source language:</source>
        <translation>Ausgangssprache:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target language:</source>
        <translation>Zielsprache:</translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::TmxFileDialog</name>
    <message>
        <location filename="../../src/gui/memory/tmx_file_dialog.cpp" line="+10"/>
        <source>Import TMX</source>
        <translation>TMX importieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export TMX</source>
        <translation>TMX exportieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translation Memory eXchange (*.tmx)</source>
        <translation>TMX-Dateien (*.tmx)</translation>
    </message>
</context>
</TS>
