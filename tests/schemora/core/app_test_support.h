#pragma once
// The schematic program run headless through the test UI host: a program folder with a title
// block and, when a test writes one, a "schemora.ini"; the registry store of the run beside it.

#include "platform/app/program.h"
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/schemora_app.h"
#include "schemora/core/settings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace schemora_test {

class SchemoraAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerSchemoraResources();
        plat::setConfigFolder(config.path().string());
        writeTitleBlock();
        g_titleBlock = TitleBlock{};
        g_settings = SchematicSettings{};
    }
    void TearDown() override
    {
        plat::setConfigFolder("");
        g_titleBlock = TitleBlock{};
    }

    void writeTitleBlock()
    {
        DrawObjectStore store;
        store.allocate();
        DrawingDocData doc;
        g_current.objects = store.slots();
        g_current.count = 0;
        plat::Archive ar(plat::Archive::Mode::Store);
        WriteDrawing(doc, ar, kWriteDrawing, "Title.PIC");
        folder.write("Title.PIC", std::vector<unsigned char>(ar.bytes().begin(), ar.bytes().end()));
        g_current = CurrentDrawing{};
    }
    void writeIni(std::string_view body) { folder.write("schemora.ini", "[Schemora]\n" + std::string(body)); }

    plat::AppHarness start(std::vector<std::string> args = {})
    {
        return plat::AppHarness([] { return std::make_unique<CSchemoraApp>(); }, std::move(args),
                                folder.path().string());
    }

    quill_test::TempFolder folder;
    quill_test::TempFolder config;
    plat::TestUiHost host;
};

}  // namespace schemora_test
