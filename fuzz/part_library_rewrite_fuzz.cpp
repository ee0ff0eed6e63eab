// A part library (".CON") rewritten as the part editor's Save to Library does: a part is added,
// and every part the reader found before must be found again, in order, after it. A damaged
// library is left untouched until the question is answered yes.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_state.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "schemora/core/current_document.h"
#include "schemora/core/library_folder.h"
#include "schemora/core/part_library.h"
#include "schemora/core/settings.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr const char* kAdded = "ZZADDED";

std::vector<std::string> listedParts()
{
    std::vector<std::string> names;
    FillLibraryPartList(names, "FUZZ", false);
    return names;
}

std::vector<char> libraryBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool asked(std::string_view part)
{
    const auto boxes = fuzz::host().messageBoxes();
    return std::any_of(boxes.begin(), boxes.end(), [&](const std::string& b) { return b.find(part) != b.npos; });
}

// The part written: one line, as the part editor holds it.
void drawAddedPart(DrawObjectStore& store)
{
    store.allocate();
    store[1] = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 100, 0), nullptr);
    g_current.objects = store.slots();
    g_current.count = 1;
}

}  // namespace

void fuzz::startHarness()
{
    fuzz::setUp();
    LoadSettings();
}

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const fuzz::LoadedSymbolsScope restore;
    const std::string path = fuzz::writeInput("LIB/FUZZ.CON", data, size);
    std::vector<std::string> before = listedParts();
    if (std::find(before.begin(), before.end(), kAdded) != before.end())
        return;   // the rewrite would ask to replace it
    DrawObjectStore store;
    drawAddedPart(store);
    fuzz::host().clearEvents();
    int written = RewriteLibrary("FUZZ", kAdded, kRewriteAddOrReplace);
    if (asked("is damaged")) {
        // Answered no: the library is as it was.
        if (written != 0 || libraryBytes(path) != std::vector<char>(data, data + size))
            std::abort();
        fuzz::host().answerMessageBox(plat::kIdYes);
        written = RewriteLibrary("FUZZ", kAdded, kRewriteAddOrReplace);
    }
    if (written == 1) {
        before.push_back(kAdded);
        if (listedParts() != before)
            std::abort();
    }
    g_current = CurrentDrawing{};
    fuzz::host().clearEvents();
}
