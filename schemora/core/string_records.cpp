#include "schemora/core/string_records.h"

#include "platform/core/archive.h"
#include "schemora/core/file_records.h"

#include <algorithm>
#include <deque>

namespace {

constexpr size_t kPieceChars = kRecordBytes - 1;
constexpr char kContinued = '~';
// Pieces needed to hold the longest text besides its head.
constexpr size_t kMaxPieces = (kMaxStringChars + kPieceChars - 1) / kPieceChars;

void writePadded(plat::Archive& archive, std::string_view chars, bool continued)
{
    FileRecord record;
    record.fill(' ');
    std::copy(chars.begin(), chars.end(), record.begin());
    if (continued)
        record[kRecordBytes - 1] = kContinued;
    writeRecord(archive, record);
}

// The characters of a record up to its first NUL, without the blanks that pad it.
std::string recordText(const uint8_t* bytes, size_t size)
{
    std::string s(reinterpret_cast<const char*>(bytes), size);
    s.resize(std::min(s.find('\0'), s.size()));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

}  // namespace

void WriteStringRecords(plat::Archive& archive, std::string_view text)
{
    std::string coded(text.substr(0, kMaxStringChars));
    coded.erase(coded.find_last_not_of(' ') + 1);
    std::replace(coded.begin(), coded.end(), ' ', '|');
    std::string_view rest = coded;
    while (rest.size() > kPieceChars) {
        writePadded(archive, rest.substr(rest.size() - kPieceChars), true);
        rest.remove_suffix(kPieceChars);
    }
    writePadded(archive, rest, false);
}

bool ReadStringRecords(plat::Archive& archive, std::string& text)
{
    // Pieces arrive last first; of an overlong chain keep those nearest the head.
    std::deque<std::string> pieces;
    std::string head;
    bool complete = false;
    FileRecord record;
    while (readRecord(archive, record)) {
        if (record[kRecordBytes - 1] == kContinued) {
            pieces.emplace_front(reinterpret_cast<const char*>(record.data()), kPieceChars);
            if (pieces.size() > kMaxPieces)
                pieces.pop_back();
            continue;
        }
        head = recordText(record.data(), record.size());
        complete = true;
        break;
    }
    text = head;
    for (const std::string& piece : pieces)
        text += piece;
    text.resize(std::min({text.find('\0'), text.size(), size_t(kMaxStringChars)}));
    std::replace(text.begin(), text.end(), '|', ' ');
    return complete;
}
