#include "tracelyn/core/board_file_v4.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_records.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <string>

namespace {

constexpr uint8_t kEarlierVersionMark = ';';
constexpr size_t kVersionByte = 10;

bool g_savingV4 = false;

void writeRecord(plat::Archive& archive, const BoardRecord& record)
{
    archive.Write(record.data(), record.size());
}

// The package name alone, or the label's text after ':' joined to it; a part whose package
// is not loaded keeps its label.
std::string earlierPartName(const BoardObject& part)
{
    const std::string label = part.text() ? part.text() : "";
    const std::string_view package = PackageNameOf(part.package());
    if (part.kind() == kKindPart || package.empty())
        return label;
    const size_t colon = label.find(':');
    if (colon == std::string::npos)
        return std::string(package);
    return label.substr(colon + 1) + ":" + std::string(package);
}

}  // namespace

void WriteBoardV4(plat::Archive& archive, int mode)
{
    const auto [count, header] = StartBoardWrite();
    BoardRecord first = EncodeHeaderRecord(header);
    if (mode == kV4ModeEarlier)
        first[kVersionByte] = kEarlierVersionMark;
    writeRecord(archive, first);
    writeRecord(archive, BoardRecord{});
    for (int i = 1; i <= count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindDeleted)
            continue;
        writeRecord(archive, EncodeObjectRecord(o));
        if (o.kind() == kKindText)
            WriteStringRecords(archive, o.text() ? o.text() : "");
        else if (o.isPart())
            WriteStringRecords(archive, earlierPartName(o));
    }
}

bool SaveBoardV4(std::string_view path, int mode)
{
    if (g_savingV4)
        return false;
    g_savingV4 = true;
    plat::Archive archive(plat::Archive::Mode::Store);
    WriteBoardV4(archive, mode);
    const plat::WriteResult written = plat::writeFileAtomically(std::string(path), archive.takeBytes());
    if (!written)
        plat::MessageBox(written.message("Can't open file: " + std::string(path)));
    g_savingV4 = false;
    return written;
}
