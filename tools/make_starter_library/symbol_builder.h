#pragma once
// Builds the elements of a part symbol in symbol coordinates around the placed part's origin
// (which lies at (-1000, -500) in symbol coordinates), in units of 0.002 inch.

#include "schemora/core/part_library.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class SymbolBuilder {
public:
    explicit SymbolBuilder(std::string name) { part_.name = std::move(name); }
    ~SymbolBuilder();
    SymbolBuilder(const SymbolBuilder&) = delete;
    SymbolBuilder& operator=(const SymbolBuilder&) = delete;

    SymbolBuilder& line(int x1, int y1, int x2, int y2, int width = 6);
    // A pin: a line from its outer (connection) end to the body, with its number on it near the
    // body end.
    SymbolBuilder& pin(int x1, int y1, int x2, int y2, std::string_view number);
    SymbolBuilder& rect(int x, int y, int w, int h, int width = 6);
    SymbolBuilder& ellipse(int cx, int cy, int rx, int ry, int fill = 0);
    SymbolBuilder& arc(int x1, int y1, int x2, int y2);
    SymbolBuilder& arrow(int x1, int y1, int x2, int y2);
    SymbolBuilder& polygon(std::initializer_list<std::pair<int, int>> points, int fill = 0);
    SymbolBuilder& text(int x, int y, std::string_view text, int size = 10);
    // Attribute texts ("%package DIP14", "v=VCC", "R?", ";comment") at the origin's corner.
    SymbolBuilder& attribute(std::string_view text);

    // The drawing so far again as body variant `variant` (its own drawing layer), with what
    // `extra` adds: the step control shows that variant for a device that is switched on.
    SymbolBuilder& variant(int variant, const std::function<void(SymbolBuilder&)>& extra);

    const LibraryPart& part() const { return part_; }

private:
    SymbolBuilder& add(const DrawObject& o);

    LibraryPart part_;
    int attributes_ = 0;
};
