#pragma once
// How far the painter of a sheet object can reach: the exact test the repaint's walk makes
// against its clip box, and what the store's paint index files for each record.

#include "common/extent_index.h"
#include "platform/gdi/dc.h"

#include <cstdint>

struct DrawObject;

// The fixed sizes of the kinds drawn around one point (drawing units).
inline constexpr int kSmallCircleRadius = 12;
inline constexpr int kSmallCirclePen = 6;
inline constexpr int kDotRadius = 16;
inline constexpr int kBusWidth = 18;
inline constexpr int kRingInner = 20;
inline constexpr int kRingOuter = 30;
inline constexpr int kRingPen = 5;
inline constexpr int kRectMirrorBit = 0x8000;
// The kind drawn as two rings.
inline constexpr int kObjRing = 25;

// Whether every coordinate and size of the record lies in the range the painters can work in
// (far beyond any sheet); records outside it are never drawn. Files and edits never make them.
bool WithinDrawableRange(const DrawObject& o);
// Whether the object's painter can touch `clip` (drawing units) at the current zoom; true for
// the kinds whose reach is not known without measuring or drawing (texts, parts, labelled
// wires), which the paint index narrows instead.
bool MayTouchClip(const DrawObject& o, const plat::Rect& clip);

// A value that changes whenever the DC's mapping measures texts differently (the zoom).
uint64_t MeasureScaleOf(const plat::Dc& dc);
// Changes whenever PaintExtent may: the record's words (a text's measured height aside), its
// text, and for measured kinds the scale.
uint64_t PaintFingerprint(const DrawObject& o, uint64_t scale);
// What the paint index files for a record: a box that holds everything its painter can touch
// at any zoom (texts and labelled wires measured with the DC, at its scale), anywhere for
// parts, nothing for deleted records and records beyond the drawable range.
SlotExtent PaintExtent(plat::Dc& dc, const DrawObject& o);
// The clip box as the index's query area.
ExtentBox ExtentBoxOf(const plat::Rect& r);
