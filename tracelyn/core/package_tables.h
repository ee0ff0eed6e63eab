#pragma once
// The loaded packages (footprints): the package table and the package object store that holds
// the objects of all loaded packages one after another, relative to the package origin.

#include "tracelyn/core/board_object.h"

#include <array>
#include <span>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kPackageTableSize = 200;     // index 0 unused
inline constexpr int kMaxPackages = kPackageTableSize - 1;
inline constexpr int kPackageStoreSize = 10000;
// Parts name their package in the 7-bit kind field: 64 + package index.
inline constexpr int kMaxPartPackage = 0x7F - kKindPart;

// A loaded package occupies one run of store records: for each pin section a header record
// followed by the section's objects, then a closing record. Header records have kind 0, so
// painters and measuring pass over them: w0 the section's object count, w1 the index of its
// last record (the next header follows it), w2 and w3 the section's number from 0 (w3 is the
// key a placed part selects), w4 0 (one gate). The closing record has key kSectionChainEnd and
// its w1 points one before itself, so a walk along the chain stays on it.
inline constexpr int32_t kSectionChainEnd = 1234;
// A section claiming more objects than the store holds comes from a damaged package.
inline constexpr int kMaxSectionObjects = kPackageStoreSize;

// One loaded package. The words keep their numbers; the name (word 13) and the comment are
// owned strings.
struct PackageDef {
    std::array<int32_t, 15> w{};
    std::string name;       // LIBRARY\PART, part name in capitals
    std::string comment;    // the package's description text

    // The package's records in the package object store: the first (a section header) and how
    // many, section headers and the closing record included.
    int32_t firstObject() const { return w[1]; }
    int32_t objectCount() const { return w[2]; }
    void setObjects(int32_t first, int32_t count) { w[1] = first; w[2] = count; }
    // Two extent rectangles, each minimum x, minimum y, maximum x, maximum y.
    int32_t* extent() { return &w[3]; }
    int32_t* extent2() { return &w[7]; }
};

using PackageObjectStore = std::array<BoardObject, kPackageStoreSize>;

// Filled by the package library, read by the painters, the board reader and writer. Cleared
// at start-up and when packages are reloaded.
struct PackageTables {
    std::array<PackageDef, kPackageTableSize> defs;
    int32_t count = 0;              // packages 1..count are loaded
    int32_t current = 0;            // the package the last lookup made current
    int32_t layerMarker = 0;        // -1, or 31 when the last measured package has through holes
    PackageObjectStore objects{};   // 1-based like the board store
    int32_t objectCount = 0;
};
extern PackageTables g_packages;

// Frees the package objects' strings and empties both tables.
void ClearPackageTables();
// Frees the strings of the package object store's records and empties it; the package table
// is left as it is.
void ClearPackageObjects();

// The parts of one board store, 1..count, as DropUnusedPackages looks at them.
struct BoardParts {
    BoardObject* objects = nullptr;
    int32_t count = 0;
};

// Drops the loaded packages that no part of the given boards uses by its kind, keeps the others
// in their order and renumbers the kinds of those boards' parts (and the current package) to
// match, so that kind values become free for more packages. The dropped packages' objects stay
// in the package object store until the tables are cleared. Returns how many were dropped.
int DropUnusedPackages(std::span<const BoardParts> boards);

// 1..count index of the first loaded package whose name equals name exactly, or 0.
int FindLoadedPackage(std::string_view name);

// The store records [first, end) of loaded package n; empty (first == end) when n is not one.
struct PackageRecords {
    int first = 1;
    int end = 1;
};
PackageRecords PackageRecordsOf(int n);

// Name of package n, empty when n is not a loaded package.
std::string_view PackageNameOf(int n);

bool PointsNear(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// Package upkeep after a package was loaded: its extents, and the pin labels of its pads.
void ComputePartExtent(int n);
void AttachPinLabels(int n);
