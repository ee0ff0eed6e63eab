#pragma once
// The schematic program run headless through the test UI host: a program folder with a title
// block and, when a test writes one, a "schemora.ini"; the registry store of the run beside it.

#include "platform/core/archive.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/schemora_app.h"
#include "schemora/core/settings.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace schemora_test {

class SchemoraAppTest : public quill_test::ProgramTest<CSchemoraApp> {
protected:
    SchemoraAppTest() : ProgramTest("schemora.ini", "Schemora") {}

    void SetUp() override
    {
        registerSchemoraResources();
        ProgramTest::SetUp();
        writeTitleBlock();
        g_titleBlock = TitleBlock{};
        g_settings = SchematicSettings{};
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        g_titleBlock = TitleBlock{};
    }

    void writeTitleBlock() { writeDrawing("Title.PIC"); }

    // Writes a drawing of the objects given (none: an empty one) under a title into the
    // program folder with the drawing writer.
    void writeDrawing(std::string_view name, std::string_view title = {}, const std::vector<DrawObject>& objects = {})
    {
        DrawingDocData doc;
        if (!title.empty())
            doc.setTitle(std::string(title));
        DrawObjectStore store;
        store.allocate();
        for (size_t i = 0; i < objects.size(); ++i)
            store[static_cast<int>(i) + 1] = objects[i];
        g_current.objects = store.slots();
        g_current.count = static_cast<int>(objects.size());
        plat::Archive ar(plat::Archive::Mode::Store);
        WriteDrawing(doc, ar, kWriteDrawing, std::string(name));
        folder.write(name, std::vector<unsigned char>(ar.bytes().begin(), ar.bytes().end()));
        g_current = CurrentDrawing{};
    }
};

}  // namespace schemora_test
