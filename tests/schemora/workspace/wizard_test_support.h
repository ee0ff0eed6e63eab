#pragma once
// A part editor's store for the wizard tests: records 1 and 2 are the reference and name
// texts, the current drawing points at the store and the pin table starts empty.

#include "common/string_helpers.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_pin_table.h"
#include "schemora/core/part_terminals.h"
#include "schemora/workspace/wizard_pins.h"

#include <string>
#include <vector>

namespace wizard_test {

struct EditorStore {
    DrawObjectStore store;
    PartPinTable pins;

    EditorStore()
    {
        store.allocate();
        store[1] = MakeDrawObject(ObjectWords(kObjText, -1000, -700), "Ref(U)");
        store[2] = MakeDrawObject(ObjectWords(kObjText, -1000, -650), "Name");
        g_current = CurrentDrawing{};
        g_current.objects = store.slots();
        g_current.count = 2;
    }
    ~EditorStore() { g_current = CurrentDrawing{}; }
    EditorStore(const EditorStore&) = delete;
    EditorStore& operator=(const EditorStore&) = delete;

    const DrawObject& at(int i) const { return store[i]; }
    std::string text(int i) const { return store[i].text ? store[i].text : ""; }

    // The terminals in record order as "number:label".
    std::vector<std::string> terminals() const
    {
        std::vector<std::string> out;
        for (int i = 1; i <= g_current.count; ++i)
            if (IsTerminal(store[i]))
                out.push_back(TerminalPinText(store[i]) + ":" + TerminalLabel(store[i]));
        return out;
    }
};

inline WizardPin pin(std::string number, std::string label, int type, int side)
{
    return WizardPin{std::move(label), side, type, std::move(number)};
}

inline PartWizardAnswers blockOf(std::vector<WizardPin> pins)
{
    PartWizardAnswers a;
    a.kind = SymbolKind::Block;
    a.pins = static_cast<int>(pins.size());
    for (size_t i = 0; i < pins.size(); ++i)
        a.table[i] = pins[i];
    a.designator = "u";
    a.name = "BLOCK";
    a.package = "DIP14";
    a.description = "a block";
    return a;
}

}  // namespace wizard_test
