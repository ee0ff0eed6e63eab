#pragma once
// The record forms of the board file, shared with the package readers of common/pcb.

#include "common/pcb/board_records.h"
#include "tracelyn/core/board_object.h"

using pcb::kRecordSize;
using pcb::kOldRecordSize;
using pcb::kVersionMark;
using pcb::kMaxStringChars;
using pcb::kPartRecordKind;
using pcb::BoardRecord;
using pcb::BoardFileHeader;
using pcb::EncodeHeaderRecord;
using pcb::EncodeNameRecord;
using pcb::EncodeMarkerRecord;
using pcb::IsMarkerRecord;
using pcb::EncodeObjectRecord;
using pcb::DecodeObjectRecord;
using pcb::WriteStringRecords;
using pcb::ReadStringRecords;
