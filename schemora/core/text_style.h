#pragma once
// The style new texts take: the text tool's font index, bold flag, size and italic flag, set by
// the font chooser, read by text entry, pasted text, auto-numbered text and the DXF import.

// A text's style word (a text object's word 2): bits 0-6 font index, bit 7 bold, bits 8-14
// size, bit 15 italic. Font index 0 is the standard font.
struct TextToolStyle {
    int font = 0;
    bool bold = false;
    int size = 0;
    bool italic = false;

    int word() const { return (font & 0x7F) | (bold ? 0x80 : 0) | ((size & 0x7F) << 8) | (italic ? 0x8000 : 0); }
};
extern TextToolStyle g_textStyle;
