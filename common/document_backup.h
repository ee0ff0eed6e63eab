#pragma once
// The backup tick of both editors: every changed open document is written to a copy beside its
// file ("<file>.bak"), or, while it has no file, to "untitled-N.bak" in the program's folder of
// the user's settings. The document itself, its file and its changed flag stay as they are.

#include "platform/app/document.h"
#include "platform/core/archive.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The bytes a document's own file would hold; the program puts back whatever current-document
// state writing them changes.
using DocumentBytes = std::function<std::vector<uint8_t>(plat::Document&)>;

// Where the backup of a document goes. untitledNumber numbers the documents without a file.
std::string BackupPathOf(const plat::Document& document, std::string_view untitledFolder, int untitledNumber);

class DocumentBackup {
public:
    explicit DocumentBackup(DocumentBytes bytesOf);

    // Writes the backups of the changed documents, the untitled ones into untitledFolder. Returns what the status bar should say: the
    // first failure after a tick that went well, else nothing, so a failing disk is reported
    // once rather than at every tick.
    std::string Tick(const std::vector<plat::Document*>& documents, const std::string& untitledFolder);

private:
    // Nothing when the backup was written; else what failed: the path, or "Cannot write PATH:
    // REASON".
    std::string write(plat::Document& document, const std::string& path, const std::string& untitledFolder,
                      const std::vector<plat::Document*>& documents) const;

    DocumentBytes bytesOf_;
    bool failureShown_ = false;
};

// The bytes of a document of class Doc as its own file holds them. Writing points the program's
// current-document values (`current`) at it; they are put back for the document being edited.
template <class Doc, class Current>
std::vector<uint8_t> DocumentBytesKeeping(plat::Document& document, Current& current)
{
    auto* typed = dynamic_cast<Doc*>(&document);
    if (typed == nullptr)
        return {};
    const Current kept = current;
    plat::Archive archive(plat::Archive::Mode::Store, {}, document.GetPathName());
    typed->Serialize(archive);
    current = kept;
    return archive.takeBytes();
}

// The open documents of every template of the running program.
std::vector<plat::Document*> OpenDocuments();
// The folder for the untitled documents' backups: the program's own folder among the user's
// settings.
std::string UntitledBackupFolder();
