// The part wizard in the library part editor: the "Part Design Wizard" button, and a new part
// started with the wizard. The wizard draws into the editor's own store and fields.
#include "schemora/workspace/part_editor.h"

#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/workspace/part_wizard_run.h"

#include <utility>

namespace {

constexpr const char* kGateLibrary = "Symbol";

}  // namespace

class CPartEditorDlg::WizardLink : public PartWizardEditor {
public:
    explicit WizardLink(CPartEditorDlg& editor) : e_(editor) {}

    PartPinTable& wizardPinTable() override { return e_.pins_; }

    bool wizardPartHasDrawing() const override
    {
        for (int i = 3; i <= e_.objectCount_; ++i)
            if (e_.store_[i].type() != kObjDeleted)
                return true;
        return false;
    }

    // The editor's own opening of a stored part, with the table of the part it replaces kept
    // for a gate that cannot be read.
    bool loadWizardGate(std::string_view part) override
    {
        PartPinTable before = e_.pins_;
        const std::optional<StoredPartName> opened = std::exchange(e_.existing_, StoredPartName{kGateLibrary, std::string(part)});
        const std::string name = e_.partName_;
        const std::string library = e_.library_;
        e_.pins_.clear();
        const bool read = e_.openStoredPart();
        e_.existing_ = opened;
        e_.partName_ = name;
        e_.library_ = library;
        if (!read)
            e_.pins_ = std::move(before);
        return read;
    }

    void showWizardPart(const GeneratedFields& fields, std::string_view partName) override
    {
        ResetEditInteraction();
        ClearUndoRing();
        e_.takeCount();
        e_.SetDlgItemText(scm::kIdcEditorPackage, fields.package);
        e_.SetDlgItemText(scm::kIdcEditorComments, fields.description);
        e_.reference_ = fields.designator;
        if (plat::Control* combo = e_.GetDlgItem(scm::kIdcEditorReference)) {
            const int at = combo->FindStringExact(-1, fields.designator);
            if (at >= 0)
                combo->SetCurSel(at);
            else
                combo->setText(fields.designator);
        }
        e_.partName_ = std::string(partName);
        // The generated part names itself, whatever the part it replaced or the gate it read.
        e_.namePlaceholder_ = true;
        // Its pins are part A's: the terminals show their own numbers.
        e_.GetDlgItem(scm::kIdcEditorPartLetter)->SetCurSel(0);
        e_.shownLetter_ = 0;
        if (fields.hintVisible)
            e_.ShowHint(kDiscreteHintX, kDiscreteHintY, std::string(kDiscreteHint));
        else
            e_.HideHint();
        e_.InvalidatePartArea();
    }

    void saveWizardPart() override { e_.savePart(); }
    void markWizardPartChanged() override { e_.SetModified(); }

private:
    CPartEditorDlg& e_;
};

void CPartEditorDlg::OnPartDesignWizard()
{
    WizardLink link(*this);
    RunPartDesignWizard(link, this);
    g_editState.CurrentTool = 0;
    InvalidatePartArea();
}

bool CPartEditorDlg::runOpeningWizard()
{
    WizardLink link(*this);
    const bool finished = RunPartWizardOnNewPart(link, this);
    g_editState.CurrentTool = 0;
    return finished;
}
