#include "common/document_backup.h"

#include "platform/app/doc_template.h"
#include "platform/app/document.h"
#include "platform/app/win_app.h"
#include "platform/core/atomic_file.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view kBackupExtension = ".bak";

bool samePath(const std::string& a, const std::string& b)
{
    std::error_code error;
    return a == b || std::filesystem::equivalent(a, b, error);
}

bool makeFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error;
}

// Untitled documents keep the number their title was given ("untitled3" is 3), so a backup
// keeps its name while other documents close; a title without one takes its place in the list.
int untitledNumberOf(const plat::Document& document, int position)
{
    const std::string& title = document.GetTitle();
    size_t digits = title.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(title[digits - 1])) != 0)
        --digits;
    if (digits == title.size() || title.size() - digits > 6)
        return position;
    return std::stoi(title.substr(digits));
}

}  // namespace

std::string BackupPathOf(const plat::Document& document, std::string_view untitledFolder, int untitledNumber)
{
    const std::string& path = document.GetPathName();
    if (!path.empty())
        return path + std::string(kBackupExtension);
    return plat::joinPath(std::string(untitledFolder),
                          "untitled-" + std::to_string(untitledNumber) + std::string(kBackupExtension));
}

DocumentBackup::DocumentBackup(DocumentBytes bytesOf) : bytesOf_(std::move(bytesOf)) {}

std::string DocumentBackup::Tick(const std::vector<plat::Document*>& documents, const std::string& untitledFolder)
{
    std::string failed;
    int untitled = 0;
    for (plat::Document* document : documents) {
        if (document == nullptr)
            continue;
        const bool hasFile = !document->GetPathName().empty();
        if (!hasFile)
            ++untitled;
        if (!document->IsModified())
            continue;
        const std::string path = BackupPathOf(*document, untitledFolder, untitledNumberOf(*document, untitled));
        if (std::string failure = write(*document, path, untitledFolder, documents); failed.empty())
            failed = std::move(failure);
    }
    if (failed.empty()) {
        failureShown_ = false;
        return {};
    }
    if (failureShown_)
        return {};
    failureShown_ = true;
    return "Backup failed: " + failed;
}

std::string DocumentBackup::write(plat::Document& document, const std::string& path,
                                  const std::string& untitledFolder, const std::vector<plat::Document*>& documents) const
{
    // A backup never takes the place of a document's own file, this one's or another's.
    for (const plat::Document* other : documents)
        if (other != nullptr && !other->GetPathName().empty() && samePath(other->GetPathName(), path))
            return path;
    const std::vector<uint8_t> bytes = bytesOf_(document);
    if (bytes.empty() || (document.GetPathName().empty() && !makeFolder(untitledFolder)))
        return path;
    return plat::writeFileAtomically(path, bytes).message();
}

std::vector<plat::Document*> OpenDocuments()
{
    std::vector<plat::Document*> documents;
    if (plat::WinApp* app = plat::GetApp())
        for (const auto& docTemplate : app->docTemplates())
            for (const auto& document : docTemplate->documents())
                documents.push_back(document.get());
    return documents;
}

std::string UntitledBackupFolder()
{
    const plat::WinApp* app = plat::GetApp();
    return plat::joinPath(plat::configFolder(), app != nullptr ? app->appName() : std::string("Quillmere"));
}
