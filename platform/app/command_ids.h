#pragma once
// Command ids and string ids that the framework itself defines and handles. The programs' own
// ids live in their resources headers.

namespace plat {

enum : unsigned {
    kIdFileNew = 57600,
    kIdFileOpen = 57601,
    kIdFileClose = 57602,
    kIdFileSave = 57603,
    kIdFileSaveAs = 57604,
    kIdFilePageSetup = 57605,
    kIdFilePrintSetup = 57606,
    kIdFilePrint = 57607,
    kIdFilePrintDirect = 57608,
    kIdFilePrintPreview = 57609,
    kIdFileMruFile1 = 57616,          // recent files: kIdFileMruFile1 .. kIdFileMruFile1 + 15
    kIdFileMruLast = 57631,
    kIdEditClear = 57632,
    kIdEditCopy = 57634,
    kIdEditCut = 57635,
    kIdEditPaste = 57637,
    kIdEditSelectAll = 57642,
    kIdEditUndo = 57643,
    kIdWindowNew = 57648,
    kIdWindowArrange = 57649,
    kIdWindowCascade = 57650,
    kIdWindowTileHorz = 57651,
    kIdWindowTileVert = 57652,
    kIdAppAbout = 57664,
    kIdAppExit = 57665,
    kIdHelpIndex = 57666,
    kIdHelpFinder = 57667,
    kIdHelpUsing = 57668,
    kIdContextHelp = 57669,
    kIdHelp = 57670,
    kIdDefaultHelp = 57671,
    kIdViewToolbar = 59392,
    kIdViewStatusBar = 59393,
    kIdSeparator = 0,                 // a separator in toolbar button lists
    // The Window menu's list of open documents: one command per listed window, and the
    // separator that sets the list off from the menu's own items.
    kIdFirstMdiChild = 0xFF00,
    kIdMdiChildListEnd = 0xFF09,
    kIdMdiChildListSeparator = 0xFF0F,
};

// Ids of windows the framework places in a frame.
enum : unsigned {
    kIdwToolBar = 0xE800,
    kIdwStatusBar = 0xE801,
    kIdwMdiClient = 0xE900,
    kIdwPaneFirst = 0xE900,
};

// Wizard buttons of property sheets (PressButton ids and SetWizardButtons flags).
enum : unsigned { kIdWizBack = 0x3023, kIdWizNext = 0x3024, kIdWizFinish = 0x3025 };
enum : unsigned { kPswizbBack = 0x1, kPswizbNext = 0x2, kPswizbFinish = 0x4, kPswizbDisabledFinish = 0x8 };

// The framework's own strings, present in every program's string table unless the program's
// resources replace them.
enum : unsigned {
    kIdsAppTitle = 0xE000,            // defaults to the application name
    kIdsIdleMessage = 0xE001,         // "Ready"
    kIdsUntitled = 0xEF00,            // "Untitled" (used when a template gives no document name)
    kIdpAskToSave = 0xF002,           // "Save changes to %1?"
    kIdpFailedToOpenDoc = 0xF004,     // "Unable to open document %1."
    kIdpFailedToSaveDoc = 0xF005,     // "Unable to save document %1."
    kIdpFailedToCreateDoc = 0xF006,   // "Failed to create empty document."
    kIdpReplacePartlyRead = 0xF007,   // "%1 was read only in part. Replace the whole file with what was read?"
    kIdpFileTooLarge = 0xF008,        // "Unable to open document %1: the file is larger than any document of its kind (%2 at most)."
    kIdpNoMemoryToOpen = 0xF009,      // "Not enough memory to open document %1."
    kIdpReplaceChangedOnDisk = 0xF00A, // "%1 has been changed on disk since it was read. Save over it?"
    kIdsOpenFileTitle = 0xF010,       // "Open"
    kIdsSaveFileTitle = 0xF011,       // "Save As"
    kIdsAllFilter = 0xF012,           // "All Files (*.*)"
    kIdpFailedToPrint = 0xF021,       // "The document could not be printed."
};

}  // namespace plat
