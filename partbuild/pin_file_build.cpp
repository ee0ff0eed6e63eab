#include "partbuild/pin_file_build.h"

#include "common/library_save_names.h"
#include "common/scoped_replace.h"
#include "platform/core/message_log_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_library_form.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/workspace/part_wizard_run.h"
#include "schemora/workspace/pin_description_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <variant>

namespace {

constexpr std::string_view kPinFileExtension = ".LIB";

// The part wizard's part editor without a window: its store, pin table and fields, and Save
// Part writing into the build's library.
class BuiltPartEditor : public PartWizardEditor {
public:
    BuiltPartEditor(std::string library, std::string part) : library_(std::move(library)), part_(std::move(part))
    {
        store_.allocate();
        store_[1] = PartEditorTextRecord(kPartReferenceTextX, kPartReferenceTextY, "Ref(U)");
        store_[2] = PartEditorTextRecord(kPartReferenceTextX, kPartNameTextY, part_.c_str());
        g_current.objects = store_.slots();
        g_current.count = 3;
    }

    bool written() const { return written_; }

    PartPinTable& wizardPinTable() override { return pins_; }
    bool wizardPartHasDrawing() const override { return false; }
    bool loadWizardGate(std::string_view) override { return false; }
    void showWizardPart(const GeneratedFields& fields, std::string_view) override
    {
        fields_ = fields;
        count_ = g_current.count;
    }
    void saveWizardPart() override
    {
        PartAttributeFields f;
        f.reference = fields_.designator;
        f.package = fields_.package.substr(0, scm::kEditorPackageChars);
        f.comment = fields_.description.substr(0, scm::kEditorCommentChars);
        f.hiddenPins = HiddenPowerPinFields(pins_);
        const std::span<const DrawObject> records(&store_[1], static_cast<size_t>(std::max(count_, 0)));
        written_ = WriteBuiltEditorPart(records, f, library_, part_) == 1;
    }
    void markWizardPartChanged() override {}

private:
    DrawObjectStore store_;
    PartPinTable pins_;
    GeneratedFields fields_;
    int count_ = 0;
    std::string library_;
    std::string part_;
    bool written_ = false;
    // Last, so that the current drawing lets go of the store before the store goes.
    ScopedReplace<CurrentDrawing> lent_{g_current, CurrentDrawing{}};
};

std::string located(const PinFileMessage& message)
{
    return message.line > 0 ? "line " + std::to_string(message.line) + ": " + message.text : message.text;
}

// The library file the pin file names: its base name with ".CON", checked as Save Library Part
// checks a library name. A dot left in the base name would be cut off by every library lookup.
std::variant<std::string, std::string_view> libraryFileOf(const std::string& path)
{
    const std::string base = plat::replaceExtension(plat::fileNameOf(path), "");
    if (base.find('.') != std::string::npos)
        return quill::kMsgInvalidLibraryName;
    return quill::CheckLibraryFileName(base, ".CON");
}

bool hasDrawnPin(const PartWizardAnswers& a)
{
    return std::any_of(a.table.begin(), a.table.begin() + a.pins,
                       [](const WizardPin& p) { return p.type < kPinVcc && p.side < kSideNone; });
}

// The answers the wizard would finish with for a block part of the file's pins; nothing when
// the file is refused. Warnings and reasons go into notes.
std::optional<PartWizardAnswers> answersOf(const std::string& path, std::vector<std::string>& notes)
{
    PartWizardAnswers answers;
    answers.kind = SymbolKind::Block;
    answers.name.clear();
    answers.saveToLibrary = true;
    const PinFileReading reading = ReadPinDescriptionFile(path, answers);
    for (const PinFileMessage& message : reading.messages)
        notes.push_back(located(message));
    if (!reading.read)
        return std::nullopt;
    if (answers.name.empty()) {
        notes.emplace_back("Error: part name not found.\n Use \"%partname\" statement in header.");
        return std::nullopt;
    }
    if (!hasDrawnPin(answers)) {
        notes.emplace_back("Error: no pin to draw.\n Give a pin a type and a side (L, R, T or B).");
        return std::nullopt;
    }
    return answers;
}

// What one build writes: the part, under its checked name, into the library file.
struct BuildTarget {
    std::string libraryFile;
    std::string part;
    PartWizardAnswers answers;
};

std::optional<BuildTarget> targetOf(const std::string& path, std::vector<std::string>& notes)
{
    if (!plat::hasExtension(path, kPinFileExtension)) {
        notes.push_back("Not a pin-description file (.LIB): " + path);
        return std::nullopt;
    }
    const auto library = libraryFileOf(path);
    if (const auto* refused = std::get_if<std::string_view>(&library)) {
        notes.emplace_back(*refused);
        return std::nullopt;
    }
    std::optional<PartWizardAnswers> answers = answersOf(path, notes);
    if (!answers)
        return std::nullopt;
    const auto part = quill::CheckPartName(answers->name);
    if (const auto* refused = std::get_if<std::string_view>(&part)) {
        notes.emplace_back(*refused);
        return std::nullopt;
    }
    return BuildTarget{std::get<std::string>(library), std::get<std::string>(part), std::move(*answers)};
}

// Draws the part with the wizard's Finish and writes it; false when nothing was written.
bool buildPart(const BuildTarget& target, std::vector<std::string>& notes)
{
    // Save Library Part leaves a protected library alone; so does the build.
    if (plat::isReadOnlyFile(g_folders.libraryFolder + target.libraryFile)) {
        notes.emplace_back(quill::kMsgLibraryProtected);
        return false;
    }
    BuiltPartEditor editor(target.libraryFile, target.part);
    FinishPartWizard(target.answers, editor);
    return editor.written();
}

}  // namespace

std::string PartBuildReport::text() const
{
    std::string all;
    for (const std::string& line : lines)
        all += (all.empty() ? "" : "\n") + line;
    return all;
}

PartBuildReport BuildPartFromPinFile(const std::string& given)
{
    std::error_code error;
    const std::string path = std::filesystem::absolute(given, error).lexically_normal().string();
    const plat::MessageLogHost log;
    const ScopedReplace<AppFolders> folders(g_folders, AppFolders{});
    g_folders.libraryFolder = plat::withTrailingSeparator(plat::folderOf(path));
    std::vector<std::string> notes;
    const std::optional<BuildTarget> target = targetOf(path, notes);
    PartBuildReport report;
    report.written = target && buildPart(*target, notes);
    notes.insert(notes.end(), log.messages().begin(), log.messages().end());
    report.lines.push_back(report.written ? "Built part " + target->part + " into " + target->libraryFile
                                          : "No part built from " + plat::fileNameOf(path) + ":");
    report.lines.insert(report.lines.end(), notes.begin(), notes.end());
    return report;
}
