#pragma once

namespace tarvelo::gui {

// The commands of the main frame, by the numbers the program has always used for
// them (help topics and translations refer to them).
enum CommandId {
  CmdOpen = 57601,
  CmdInverseOpen = 32882,
  CmdClose = 57602,
  CmdSave = 57603,
  CmdSaveAs = 57604,
  CmdSaveToSource = 32880,
  CmdNewProject = 32898,
  CmdOpenProject = 32895,
  CmdSaveProject = 32900,
  CmdImport = 32892,
  CmdExport = 32871,
  CmdSendTo = 57612,
  CmdPrintSetup = 57606,
  CmdPrintPreview = 57609,
  CmdPrint = 57607,
  CmdExit = 57665,
  CmdUndo = 32825,
  CmdRedo = 32826,
  CmdCut = 57635,
  CmdCopy = 57634,
  CmdPaste = 57637,
  CmdPasteSource = 32776,
  CmdRefresh = 32902,
  CmdFind = 32779,
  CmdFilter = 32846,
  CmdFilterSetup = 32844,
  CmdMachineTranslate = 32934,
  CmdDialogsReport = 32916,
  CmdLearnTexts = 32866,
  CmdImportGlossary = 32865,
  CmdOpenDictionary = 32781,
  CmdOptions = 32888,
  CmdHelpIndex = 57670,
  CmdAbout = 57664,
  CmdSearchMemory = 32907,
  CmdDictionaryPath = 32780,
  CmdNextItem = 32762,
  CmdPreviousItem = 32761,
  CmdNextControl = 32777,
  CmdPreviousControl = 32778,
  CmdSelectAll = 32889,
  CmdShowOriginal = 32819,
};

} // namespace tarvelo::gui
