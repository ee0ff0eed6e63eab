#pragma once
// A drawing with a path for the result readers and the instruments: the store of the
// netlister fixture, a temporary document named "design.pic" in a folder whose name has a dot
// (so every base-name cut is seen to cut only the file name), and the files a test writes
// beside it.

#include "netlist_test_support.h"

#include "resources/schemora/schemora_ids.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/netlist/sim_traces.h"
#include "support/default_stores.h"

#include <fstream>

namespace netlist_test {

class SimFixture : public NetlistFixture {
protected:
    void SetUp() override
    {
        NetlistFixture::SetUp();
        registerSchemoraResources();
        std::filesystem::create_directories(folder.path() / "runs.v2");
        // The document is only named here: it needs no title block.
        titleBlockLoaded = g_titleBlock.loaded;
        g_titleBlock.loaded = true;
        doc = std::make_unique<CSchemoraDoc>();
        doc->SetPathName(folder.file("runs.v2/design.pic"), false);
        g_current.activeDocument = doc.get();
        quill_test::resetToDefaults(g_simTraces, g_instrumentSettings, g_phaseDisplay);
        g_designName.text = doc->GetPathName();
    }
    void TearDown() override
    {
        g_current.activeDocument = nullptr;
        doc.reset();
        g_titleBlock.loaded = titleBlockLoaded;
        NetlistFixture::TearDown();
    }
    // Writes a file beside the drawing: "design" + ext.
    void writeResult(const std::string& ext, const std::string& text) const
    {
        std::ofstream(folder.file("runs.v2/design" + ext), std::ios::binary) << text;
    }
    std::string basePath() const { return folder.file("runs.v2/design"); }
    std::unique_ptr<CSchemoraDoc> doc;
    bool titleBlockLoaded = false;
};

}  // namespace netlist_test
