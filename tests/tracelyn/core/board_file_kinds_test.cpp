// File > Open sorts files by the extension of the file name alone.
#include "tracelyn/core/board_file_kinds.h"

#include "support/function_table.h"

#include <gtest/gtest.h>

namespace {

TEST(BoardFileKindsTest, KindComesFromTheFileNamesOwnExtension)
{
    quill_test::expectEachGives<const char*, BoardOpenKind>(BoardOpenKindOf, {
        {"/jobs/AMP.NET", BoardOpenKind::TextFile},
        {"/jobs/amp.net", BoardOpenKind::TextFile},
        {"/jobs/amp.nto", BoardOpenKind::TextFile},
        {"/jobs/amp.UNC", BoardOpenKind::TextFile},
        {"/jobs/amp.ckt", BoardOpenKind::TextFile},
        {"/jobs/amp.prt", BoardOpenKind::TextFile},
        {"/jobs/amp.ref", BoardOpenKind::TextFile},
        {"/jobs/amp.dxf", BoardOpenKind::Dxf},
        {"/jobs/AMP.DXF", BoardOpenKind::Dxf},
        {"/jobs/amp.tlz", BoardOpenKind::Board},
        {"/jobs/amp.xpc", BoardOpenKind::Board},
        {"/jobs/amp", BoardOpenKind::Board},
        // Dots elsewhere in the path or the name do not count.
        {"/jobs/amp.network/amp.tlz", BoardOpenKind::Board},
        {"/jobs/x.ref.d/board.tlz", BoardOpenKind::Board},
        {"/jobs/X.REF.TLZ", BoardOpenKind::Board},
        {"/jobs/plot.dxf/amp.tlz", BoardOpenKind::Board},
        {"/jobs/amp.net.bak", BoardOpenKind::Board},
    });
}

}  // namespace
