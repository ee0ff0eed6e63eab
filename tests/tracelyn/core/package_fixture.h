#pragma once
// Footprints built in a test and written as package catalogues with the library's own writer.

#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "tracelyn/core/board_object.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"

#include <string>
#include <vector>

namespace package_test {

// One footprint's objects (1-based; objects[0] unused), owning their texts.
struct TestPackage {
    std::string name;
    std::vector<BoardObject> objects = std::vector<BoardObject>(1);

    explicit TestPackage(std::string n) : name(std::move(n)) {}
    TestPackage(TestPackage&& other) noexcept : name(std::move(other.name)), objects(std::move(other.objects))
    {
        other.objects.clear();
    }
    TestPackage& operator=(TestPackage&&) = delete;
    ~TestPackage()
    {
        for (BoardObject& o : objects)
            FreeObjectData(o);
    }

    BoardObject& add(int kind, int layer, int32_t x, int32_t y)
    {
        BoardObject& o = objects.emplace_back();
        o.w[0] = x;
        o.w[1] = y;
        o.w[4] = kind;
        o.setLayer(layer);
        return o;
    }
    void text(int32_t x, int32_t y, const std::string& s, int layer = 16)
    {
        BoardObject& o = add(kKindText, layer, x, y);
        o.w[2] = 0x101;
        o.data = StrDupChecked(s);
    }
    // A through-hole pad with its pin number at its centre.
    void pad(int pin, int32_t x, int32_t y)
    {
        BoardObject& o = add(kKindPad, 31, x, y);
        o.w[2] = 600;
        o.w[3] = 600;
        o.w[5] = pin == 1 ? 3 : 0;
        o.w[6] = 350;
        text(x, y, std::to_string(pin), 31);
    }
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        BoardObject& o = add(kKindLine, 16, x1, y1);
        o.w[2] = x2;
        o.w[3] = y2;
        o.w[7] = 100;
    }
    void polygon(std::initializer_list<int32_t> xy)
    {
        BoardObject& o = add(kKindPolygon, 16, 0, 0);
        o.w[2] = static_cast<int32_t>(xy.size() / 2);
        int32_t* points = NewPointBlock(xy.size());
        std::copy(xy.begin(), xy.end(), points);
        o.data = points;
    }
};

// Eight through-hole pads in two rows (x -11503 and -8500), a polygon, a line and the label
// placeholder, described "Eight pins".
inline TestPackage dip8()
{
    TestPackage p("DIP8");
    p.text(-10000, -5000, ";Eight pins");
    for (int i = 0; i < 4; ++i) {
        p.pad(1 + i, -11503, -6500 + 1000 * i);
        p.pad(8 - i, -8500, -6500 + 1000 * i);
    }
    p.polygon({-10500, -6000, -9500, -6000, -10000, -4100});
    p.line(-11000, -7000, -9000, -7000);
    p.text(-11000, -7500, "p?");
    return p;
}

// Two pin sections of a pad each, separated by "%cont", described "Two gates".
inline TestPackage twoSections()
{
    TestPackage p("GATE");
    p.text(-10000, -5000, ";Two gates");
    p.pad(1, -10500, -5000);
    p.text(-10500, -6000, "p?");
    p.text(-10000, -5000, "%cont");
    p.pad(2, -9500, -5000);
    p.text(-9500, -6000, "p?");
    return p;
}

inline std::vector<uint8_t> catalogBytes(const std::vector<TestPackage>& packages)
{
    plat::Archive file(plat::Archive::Mode::Store);
    WriteCatalogHeader(file, static_cast<int>(packages.size()));
    for (const TestPackage& p : packages)
        WriteCatalogEntry(file, p.name, p.objects.data(), 1, static_cast<int>(p.objects.size()) - 1);
    return file.takeBytes();
}

template <typename... Packages>
std::vector<uint8_t> catalogOf(Packages&&... packages)
{
    std::vector<TestPackage> list;
    (list.push_back(std::move(packages)), ...);
    return catalogBytes(list);
}

// False when the catalogue could not be written.
template <typename... Packages>
bool writeCatalog(const std::string& path, Packages&&... packages)
{
    return plat::writeFileAtomically(path, catalogOf(std::move(packages)...));
}

// Makes `folder` the library folder, holding "STD.CAT" with the DIP8 alone.
inline void useDip8Library(const quill_test::TempFolder& folder)
{
    g_boardFolders.libraryFolder = folder.path().string() + "/";
    writeCatalog(folder.file("STD.CAT"), dip8());
}

}  // namespace package_test
