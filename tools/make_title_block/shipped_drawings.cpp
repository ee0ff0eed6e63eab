#include "tools/make_title_block/shipped_drawings.h"

#include "platform/core/archive.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"

#include <string_view>

namespace {

constexpr int kPenWidth = 6;
constexpr int kTextStyle = (8 << 8) | 1;   // size 8 in font 1
constexpr int kDirectiveKindWord = 1028;

using Words = std::array<int32_t, kDrawObjectWords>;

Words words(int type, int x, int y, int w2 = 0, int w3 = 0)
{
    return ObjectWords(type, x, y, w2, w3);
}

class DrawingBuilder {
public:
    DrawingBuilder() { doc_.objects.allocate(); }

    void line(int x1, int y1, int x2, int y2)
    {
        Words w = words(kObjLine, x1, y1, x2, y2);
        w[6] = kPenWidth;
        add(MakeDrawObject(w, nullptr));
    }
    void box(int x, int y, int width, int height)
    {
        Words w = words(kObjRectangle, x, y, width, height);
        w[6] = kPenWidth;
        add(MakeDrawObject(w, nullptr));
    }
    void text(int x, int y, const char* s) { add(MakeDrawObject(words(kObjText, x, y, kTextStyle), s)); }
    // A simulation directive as the analysis sheet writes it: a text on drawing layer 1.
    void directive(int x, int y, const char* s)
    {
        Words w = words(kObjText, x, y, kTextStyle);
        w[4] = kDirectiveKindWord;
        add(MakeDrawObject(w, s));
    }
    void dot(int x, int y) { add(MakeDrawObject(words(kObjDot, x, y), nullptr)); }
    // A placed part of symbol table entry `symbol`; text is "prefix:library\\part".
    void part(int symbol, int x, int y, const char* text, int number, int angle = 0)
    {
        Words w = words(kObjPart + symbol, x, y);
        w[6] = number;
        w[7] = angle;
        add(MakeDrawObject(w, text));
    }

    std::vector<uint8_t> write(std::string_view title)
    {
        doc_.setTitle(title);
        g_current.objects = doc_.objects.slots();
        g_current.count = count_;
        g_current.sheetSize = 'A';
        g_current.viewCentreX = 0;
        g_current.viewCentreY = 0;
        plat::Archive archive(plat::Archive::Mode::Store);
        WriteDrawing(doc_, archive, kWriteDrawing, {});
        g_current = CurrentDrawing{};
        return archive.takeBytes();
    }

    // Writes with the part symbol table naming partSymbols (entries 1, 2, ... in order) and
    // leaves the table empty after.
    std::vector<uint8_t> write(std::string_view title, std::initializer_list<const char*> partSymbols)
    {
        int entry = 0;
        for (const char* name : partSymbols)
            g_partSymbols.entries[++entry].name = name;
        g_partSymbols.count = entry;
        std::vector<uint8_t> bytes = write(title);
        g_partSymbols = PartSymbolTable{};
        return bytes;
    }

private:
    void add(const DrawObject& o) { doc_.objects[++count_] = o; }

    DrawingDocData doc_;
    int count_ = 0;
};

}  // namespace

std::vector<uint8_t> TitleBlockFile()
{
    DrawingBuilder b;
    b.box(0, -400, 1000, 400);
    for (int y : {-300, -200, -100})
        b.line(0, y, 1000, y);
    b.line(700, -300, 700, -200);   // document number | revision
    b.line(250, -200, 250, -100);   // size | date
    // Texts stand on their lower-left corner: each sits a little above the bottom of its row.
    b.text(20, -330, "Title");
    b.text(20, -230, "Document Number");
    b.text(720, -230, "Rev");
    b.text(20, -130, "Size");
    b.text(270, -130, "Date");
    b.text(20, -30, "Sheet");
    return b.write("TITLE BLOCK");
}

std::vector<uint8_t> RcFilterFile()
{
    // The writer names parts by their symbols; the starter library supplies them when the
    // drawing is read. R1 and C1 are the library's value parts: a part's name is its value in
    // the SPICE deck and stands in its label. R and C have their pin ends 100 units either side
    // of their origin, the two-pin connector (mirrored) its pins 100 units right of its origin,
    // 50 apart, and the ground symbol its connection at its origin.
    constexpr int kMirrored = 4096;

    DrawingBuilder b;
    b.text(-1200, -700, "RC low-pass filter");
    // J1 brings in the input (pin 1) and its ground (pin 2).
    b.part(3, -1300, -300, "J:CONN\\CONN2", 1, kMirrored);
    // The input net: J1 pin 1 to R1; its label stands on the wire.
    b.line(-1200, -300, -700, -300);
    b.text(-1000, -304, "IN");
    b.part(1, -600, -300, "R:DEVICE\\10K", 1);
    // The output net: R1 to C1 and on to the right.
    b.line(-500, -300, 300, -300);
    b.text(100, -304, "OUT");
    b.dot(0, -300);
    b.line(0, -300, 0, -200);
    b.part(2, 0, -100, "C:DEVICE\\100N", 1, 900);
    // Ground: under C1, and back to J1 pin 2.
    b.line(0, 0, 0, 400);
    b.line(-1200, -250, -1200, 400);
    b.line(-1200, 400, 0, 400);
    b.dot(0, 400);
    b.part(4, 0, 400, "DEVICE\\GND", 0);
    return b.write("RC FILTER", {"DEVICE\\10K", "DEVICE\\100N", "CONN\\CONN2", "DEVICE\\GND"});
}

std::vector<uint8_t> RcStepSimulationFile()
{
    // Pin ends: the source's 100 units above and below its origin, the resistor's and the
    // capacitor's 100 units either side; the ground symbol connects at its origin.
    // The deck takes a part's value from its name: "10K", "100N", and the source "PULSE"
    // whose parameters the "#&V1" text appends to its line.

    DrawingBuilder b;
    b.text(-1200, -700, "RC low-pass: step response");
    b.part(1, -1200, 0, "V:DEVICE\\PULSE", 1);
    b.part(4, -1200, 100, "DEVICE\\GND", 0);
    b.line(-1200, -100, -1200, -300);
    b.line(-1200, -300, -700, -300);
    b.text(-1000, -300, "IN");
    b.part(2, -600, -300, "R:DEVICE\\10K", 1);
    b.line(-500, -300, 300, -300);
    b.text(200, -300, "OUT*");
    b.dot(0, -300);
    b.line(0, -300, 0, -200);
    b.part(3, 0, -100, "C:DEVICE\\100N", 1, 900);
    b.part(4, 0, 0, "DEVICE\\GND", 0);
    b.directive(-1100, 40, "#&V1 0 5 0 1u 1u 5m 10m");
    b.directive(-1200, 400, "#.TRAN 25u 10m");
    return b.write("RC STEP", {"DEVICE\\PULSE", "DEVICE\\10K", "DEVICE\\100N", "DEVICE\\GND"});
}
