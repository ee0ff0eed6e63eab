#pragma once
// A running Schemora with a library folder, for the tests that open the part editor: its
// answers for the editor once it opens and for Save Library Part.

#include "../core/starter_parts_fixture.h"

#include "common/library_browser.h"
#include "common/scoped_replace.h"
#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_library.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/workspace/part_editor.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace schemora_test {

class PartEditorView : public StarterPartsView {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder.path() / "LIB");
        StarterPartsView::SetUp();
    }

    // The part editor, once it opens, runs script inside it and ends as the script leaves it.
    void answerEditor(std::function<void(CPartEditorDlg&)> script)
    {
        host.answerDialog([script = std::move(script)](plat::Dialog& d) -> int {
            auto* editor = dynamic_cast<CPartEditorDlg*>(&d);
            EXPECT_NE(editor, nullptr);
            if (!editor)
                return plat::kIdCancel;
            script(*editor);
            return editor->modalResult();
        });
    }

    // Save Library Part answered with the library and part names typed, then OK.
    void answerSavePart(std::string library, std::string part)
    {
        host.answerDialog([library = std::move(library), part = std::move(part)](plat::Dialog& d) {
            d.TypeDlgItemText(scm::kIdcSaveLibraryName, library);
            d.TypeDlgItemText(scm::kIdcPartName, part);
            return d.PressButton(plat::kIdOk);
        });
    }
};

// Drives the open editor as a person would: mouse messages on its drawing area, keys through
// its accelerators, commands from its menu and toolbar.
class EditorHand {
public:
    explicit EditorHand(CPartEditorDlg& editor) : e(editor), area(*editor.GetDlgItem(scm::kIdcEditorArea)) {}

    plat::Point pixel(int x, int y)
    {
        plat::ClientDC dc(&area);
        PrepareScreenMapping(dc, area.clientRect());
        return dc->LPtoDP(plat::Point{x, y});
    }
    // Through the drawing area's window, as the platform delivers a person's mouse.
    void mouse(unsigned message, int x, int y, unsigned flags)
    {
        area.SendMessage(message, flags, plat::makePointParam(pixel(x, y)));
    }
    void move(int x, int y, unsigned flags = 0) { mouse(plat::kWmMouseMove, x, y, flags); }
    void drag(int ax, int ay, int bx, int by)
    {
        move(ax, ay);
        mouse(plat::kWmLButtonDown, ax, ay, plat::kMkLButton);
        for (int i = 1; i <= 4; ++i)
            move(ax + (bx - ax) * i / 4, ay + (by - ay) * i / 4, plat::kMkLButton);
        mouse(plat::kWmLButtonUp, bx, by, 0);
    }
    void click(int x, int y) { drag(x, y, x, y); }
    bool key(unsigned vk, bool ctrl = false, bool shift = false)
    {
        if (ctrl)
            plat::noteKeyDown(plat::kVkControl);
        if (shift)
            plat::noteKeyDown(plat::kVkShift);
        plat::Msg msg{plat::kWmKeyDown, vk, 1, &area};
        const bool done = e.PreTranslateMessage(msg);
        if (shift)
            plat::noteKeyUp(plat::kVkShift);
        if (ctrl)
            plat::noteKeyUp(plat::kVkControl);
        return done;
    }
    // The top left corner of a dialog's window on the screen.
    static plat::Point corner(const plat::Wnd& w)
    {
        plat::Rect r;
        w.GetWindowRect(&r);
        return {r.left, r.top};
    }
    // Where drawing point (x, y) lies on the screen.
    plat::Point onScreen(int x, int y)
    {
        plat::Point p = pixel(x, y);
        area.ClientToScreen(&p);
        return p;
    }
    void command(unsigned id) { e.SendMessage(plat::kWmCommand, id, 0); }
    const DrawObject& record(int index) const { return e.objects()[static_cast<size_t>(index - 1)]; }
    std::vector<std::string> pinNumbers() const
    {
        std::vector<std::string> out;
        for (const EditorPin& p : e.pins().pins())
            out.push_back(p.number);
        return out;
    }

    CPartEditorDlg& e;
    plat::Control& area;
};

class PartEditorTest : public PartEditorView {
protected:
    // Utilities > New Library Part, with script run inside the open editor.
    void runEditor(const std::function<void(EditorHand&)>& script)
    {
        answerEditor([&](CPartEditorDlg& editor) {
            EditorHand hand(editor);
            script(hand);
        });
        ASSERT_TRUE(command(scm::kCmdNewLibraryPart));
    }

    // Library Parts answered with Modify Part on that part.
    void answerModifyPart(std::string libraryFile, std::string part)
    {
        host.answerDialog([=](plat::Dialog& d) {
            plat::Control* libs = d.GetDlgItem(quill::kIdcBrowserLibraryList);
            d.ChooseDlgItem(quill::kIdcBrowserLibraryList, libs->FindStringExact(-1, libraryFile));
            d.ChooseDlgItem(quill::kIdcBrowserPartList, d.GetDlgItem(quill::kIdcBrowserPartList)->FindStringExact(-1, part));
            return d.PressButton(quill::kIdcBrowserModify);
        });
    }

    // Library Parts > Modify Part on that part, with script run inside the opened editor, which
    // is then closed without its question.
    void modifyPart(const std::string& library, const std::string& part, const std::function<void(EditorHand&)>& script)
    {
        answerModifyPartInEditor(library, part, [&](EditorHand& h) {
            script(h);
            h.e.SetModified(false);
            h.command(scm::kCmdEditorClose);
        });
        ASSERT_TRUE(key(plat::kVkF5));
    }

    // Library Parts answered with Modify Part on that part, and script run inside the editor it
    // opens; the script closes the editor.
    void answerModifyPartInEditor(std::string libraryFile, std::string part, std::function<void(EditorHand&)> script)
    {
        answerModifyPart(std::move(libraryFile), std::move(part));
        answerEditor([script = std::move(script)](CPartEditorDlg& editor) {
            EditorHand h(editor);
            script(h);
        });
    }

    // Save Part over a part the library already holds, answering its question.
    void saveOverStoredPart(EditorHand& h, const char* library, const char* part)
    {
        answerSavePart(library, part);
        host.answerMessageBox(plat::kIdYes);   // "Replace part ...?"
        h.command(scm::kCmdEditorSavePart);
    }

    // Save Library Part answered with a library that does not exist yet, and its question.
    void answerSaveIntoNewLibrary(const char* library, const char* part)
    {
        answerSavePart(library, part);
        host.answerMessageBox(plat::kIdYes);   // "Start new library: ...?"
    }

    // A body rectangle and two terminals: one drawn left to right on the left, one drawn right
    // to left on the right.
    static void drawTwoPinPart(EditorHand& h)
    {
        h.key('R');
        h.drag(-200, -200, 200, 200);
        h.key('J');
        h.drag(-400, -100, -200, -100);
        h.drag(400, 100, 200, 100);
    }
};

// One record of a part written straight into a library: its words and, for a text, its string.
struct StoredRecord {
    std::array<int32_t, kDrawObjectWords> words;
    std::string text;
};

// Writes records as the part `part` of `library` (which exists) with the library writer.
inline void writeLibraryPart(const char* library, const char* part, const std::vector<StoredRecord>& records)
{
    DrawObjectStore store;
    store.allocate();
    int count = 0;
    for (const StoredRecord& r : records)
        store[++count] = MakeDrawObject(r.words, r.text.empty() ? nullptr : r.text.c_str());
    CurrentDrawing drawing = g_current;
    drawing.objects = store.slots();
    drawing.count = count;
    drawing.viewCentreX = 0;
    drawing.viewCentreY = 0;
    const ScopedReplace<CurrentDrawing> lent(g_current, drawing);
    ASSERT_EQ(RewriteLibrary(library, part, kRewriteAddOrReplace), 1);
}

}  // namespace schemora_test
