#pragma once
// One object of a drawing file with its trailer: the text of a text object, the library name
// of a part, or the 128-byte point list of a polygon. Drawings, encapsulated drawings and part
// libraries store their objects this way.

#include "schemora/core/draw_object.h"

namespace plat {
class Archive;
}

enum class RecordRead {
    Object,       // object holds the record (type kObjDeleted for kinds that cannot be read)
    PartMarker,   // the record starts a part definition; nothing was read into object
    End,          // the archive ended before the record or its trailer did
};

// Reads the record at the archive's position and its trailer into object, by the rules of the
// file's version (byte 10 of the header minus '0'). A text that reads as empty becomes
// "Bad string!"; a part comes back unresolved (kObjPart) with its name as text.
RecordRead ReadObjectRecord(plat::Archive& archive, int version, bool singleSheet, DrawObject& object);
// The same with the record's words decoded by the rules of wordVersion and its text trailer read
// by those of textVersion (libraries before version 7 kept today's words but the old texts).
RecordRead ReadObjectRecord(plat::Archive& archive, int wordVersion, int textVersion, bool singleSheet,
                            DrawObject& object);

// A part whose text after the prefix says more than the name of its symbol (a signal source's
// waveform, "V:SINE 0 5 1K 0 0") keeps that text in the file after its name and this mark
// ("V:DEVICE\FUNGEN SINE 0 5 1K 0 0"); names of parts and libraries never hold a blank.
inline constexpr char kPartTextMark = ' ';

// Writes a live object and its trailer. A part is written under its symbol's name, with the
// reference prefix of its text ("R:DEVICE\R") and its own text when that says more; an
// unresolved part under its text.
void WriteObjectRecord(plat::Archive& archive, const DrawObject& object);
