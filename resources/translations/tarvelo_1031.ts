<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainFrame</name>
    <message>
        <location filename="../../src/gui/workbench/command_table.cpp" line="+17"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Inverse Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;To Source File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>O&amp;pen Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I&amp;mport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send &amp;To...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paste source text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Google Translate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dialogs &amp;Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learn actual texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import glossary...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open External &amp;Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Tarvelo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sets path to the external lexicon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Next item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Previous item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../../src/gui/app/progress_window.cpp" line="+28"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../../src/gui/workbench/external_dictionary.cpp" line="+32"/>
        <source>Exe files (*.exe);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/gui/workbench/split_edit.cpp" line="+54"/>
        <source>Comment:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::AboutDialog</name>
    <message>
        <location filename="../../src/gui/options/about_dialog.cpp" line="+30"/>
        <source>About Tarvelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tarvelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translates the texts of Windows resource scripts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::DirectivesImportDialog</name>
    <message>
        <location filename="../../src/gui/task/directives_import_dialog.cpp" line="+24"/>
        <source>Directives #import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import of the following resource scripts was found. Make a pairs, if you want to localize them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Included script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Specify later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Target Script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FilterSetupDialog</name>
    <message>
        <location filename="../../src/gui/workbench/filter_setup_dialog.cpp" line="+18"/>
        <source>Filter setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show items with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FindDialog</name>
    <message>
        <location filename="../../src/gui/workbench/find_dialog.cpp" line="+16"/>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;nd what:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FuzzyAlternativesDialog</name>
    <message>
        <location filename="../../src/gui/workbench/fuzzy_alternatives_dialog.cpp" line="+28"/>
        <source>Fuzzy Item Translation Alternatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Original Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Translation Alternatives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Use it!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::FuzzyItemsDialog</name>
    <message>
        <location filename="../../src/gui/task/fuzzy_items_dialog.cpp" line="+24"/>
        <source> Original Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Translated Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fuzzy Items:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Clear Fuzzy Flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::GeneralPage</name>
    <message>
        <location filename="../../src/gui/options/general_page.cpp" line="+63"/>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Start with Open File Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Searc&amp;h Dialog for Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When saving, replace empty items with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;mpty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>So&amp;urce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Use &amp;relative path of the resource files in the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Update Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>External dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>External Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exe files (*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::HelpWindow</name>
    <message>
        <location filename="../../src/gui/options/help_window.cpp" line="+51"/>
        <location line="+77"/>
        <source>Tarvelo Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>There is no help topic &quot;%1&quot;. These are the topics there are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tarvelo Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::InspectionGroup</name>
    <message>
        <location filename="../../src/gui/options/inspection_group.cpp" line="+19"/>
        <source>Automatic Inspection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Enable Automatic Inspection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The characters to count, as written in the script (\n is a backslash and n). Press Enter or leave the box to take the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Compare the count of characters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check the &amp;order of Format Specifications</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ItemListView</name>
    <message>
        <location filename="../../src/gui/workbench/item_list_view.cpp" line="+205"/>
        <source>Verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paste Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste Source	(Ctrl+T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Translate using Google</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste Fuzzy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Another Occurence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::LanguageCombo</name>
    <message>
        <location filename="../../src/gui/task/language_combo.cpp" line="+8"/>
        <source>&lt;No Language&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neutral</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MainFrame</name>
    <message>
        <location filename="../../src/gui/workbench/main_frame.cpp" line="+117"/>
        <source>Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The dialog preview is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+345"/>
        <source>It is not possible open file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::MemoryPage</name>
    <message>
        <location filename="../../src/gui/options/memory_page.cpp" line="+26"/>
        <source>&amp;Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Fill empty target items from  Translation Memory when opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Automaticaly complete item from Translation Memory when writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>On Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On Close File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On Demand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save current translations to the Translation memory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Translation Memory Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OpenResourcesDialog</name>
    <message>
        <location filename="../../src/gui/task/open_resources_dialog.cpp" line="+26"/>
        <source>Open Resources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::OptionsDialog</name>
    <message>
        <location filename="../../src/gui/options/options_dialog.cpp" line="+20"/>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Restart the program for the change of the language to take effect!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::PlainTextView</name>
    <message>
        <location filename="../../src/gui/workbench/plain_text_view.cpp" line="+34"/>
        <source>Load from source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load from target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Are you sure you want to change this resource item?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ResourceChoiceTree</name>
    <message>
        <location filename="../../src/gui/task/resource_choice_tree.cpp" line="+19"/>
        <source>Resources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::ResourceTreeView</name>
    <message>
        <location filename="../../src/gui/workbench/resource_tree_view.cpp" line="+88"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Restore item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SameTextDialog</name>
    <message>
        <location filename="../../src/gui/task/same_text_dialog.cpp" line="+14"/>
        <source>Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saving text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The source and target texts are the same. Do you want to save them to the Translation Memory?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes to &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N&amp;o to All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SaveToFileDialog</name>
    <message>
        <location filename="../../src/gui/task/save_to_file_dialog.cpp" line="+24"/>
        <source>Resource files (*.rc *.rc2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Target &amp;language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Resources for save:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SavingResourcesDialog</name>
    <message>
        <location filename="../../src/gui/task/saving_resources_dialog.cpp" line="+17"/>
        <source>The target resource file contains following resource items missing in the source file. Select items you want to keep in the file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::SplitEdit</name>
    <message>
        <location filename="../../src/gui/workbench/split_edit.cpp" line="+23"/>
        <source>Fuzzy Item Translation Alternatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source> Original Text - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Original Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Translated Text - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Translated Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::TaskForm</name>
    <message>
        <location filename="../../src/gui/task/task_form.cpp" line="+23"/>
        <source>Resource files (*.rc *.rc2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Task &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Source file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Source &amp;language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Target file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify &amp;later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tar&amp;get language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fill empty items from  Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Open Source File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Target File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelo::gui::TaskPropertiesDialog</name>
    <message>
        <location filename="../../src/gui/task/task_properties_dialog.cpp" line="+30"/>
        <source>&lt;Different values&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Task Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
