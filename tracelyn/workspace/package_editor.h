#pragma once
// The package (footprint) editor: a maximised window in which one library part is drawn with
// the board's own painters and editing engine on a store of its own, then saved into a package
// library. While it is open the board's current-store values point at its store.

#include "common/library_editor_frame.h"
#include "tracelyn/core/board_object.h"
#include "tracelyn/core/package_editor_part.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CLibPartEditorDlg : public quill::LibraryEditorFrame {
public:
    explicit CLibPartEditorDlg(plat::Wnd* parent = nullptr);
    ~CLibPartEditorDlg() override;

    // Set before the run: 1 opens `partName` of `libraryName`, 0 starts an empty part.
    int openExisting = 0;
    std::string libraryName;
    std::string partName;
    // The board frame's "Start new library part": the wizard runs as soon as the editor is up.
    bool startWithWizard = false;

    bool OnInitDialog() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    void OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point) override;
    void OnClose() override;
    void OnHScroll(unsigned code, unsigned pos, plat::Control* bar) override;
    void OnVScroll(unsigned code, unsigned pos, plat::Control* bar) override;

    const PackageLabels& labels() const { return labels_; }
    const BoardObject& record(int index) const { return store_[static_cast<size_t>(index)]; }
    int layerCount() const { return layerCount_; }
    bool hintVisible() const { return hint().visible; }
    // Repaints the drawing area now.
    void RedrawDrawingArea();
    // Runs paint on a client DC of the drawing area set up as the board view's; nothing when the
    // area is missing.
    void paintOnDrawingArea(const std::function<void(plat::Dc& dc)>& paint);

protected:
    std::unique_ptr<quill::EditorStoreLoan> LendStore() override;
    void OnEditorClosing() override;
    void OnTypedKey(const plat::Msg& msg) override;

private:
    friend class PackageEditorCommands;
    void registerCommands();
    void fillControls();
    void fillGridChoices();
    void startPart(int32_t refX, int32_t refY, int32_t nameX, int32_t nameY);
    bool openPart();
    void drawToFit();
    void FillLayerChoices(int layers);
    bool isModifiedNow() const;
    void closeCommand();
    void mouse(plat::Control& area, unsigned message, unsigned flags, plat::Point point);
    void rightClick(plat::Control& area, plat::Point point);
    void numberNewPads(int after);
    void drawPinNumbers(plat::Dc& dc) const;
    void updateScrollBars();
    void scroll(int axis, unsigned code, unsigned pos);

    // Commands (package_editor_commands.cpp).
    void OnSavePart();
    void OnNewPart();
    void OnTool(unsigned id);
    void OnKeyTool(unsigned id);
    void OnSelect();
    void OnErase();
    void OnTransform(unsigned id);
    void OnOrigin();
    void OnRedraw();
    void OnUndo();
    void OnCopy();
    void OnPaste();
    void OnDrawToFit();
    void OnCenter();
    void OnZoom(unsigned id);
    void OnScale(unsigned id);
    void OnGrid(unsigned id);
    void OnSelectiveSetup();
    void OnSelectiveEdit(unsigned id);
    void OnPadSetup();
    void OnGeneralSetup();
    void OnHelp(unsigned id);
    void OnArrowKey(unsigned id);
    void OnCrosshair();
    void OnHome();
    void OnMetric();
    void OnReadoutOrigin();
    void OnScaleChosen();
    void OnGridChosen();
    void OnDesignatorChosen();
    void OnDesignatorFocus(bool gained);
    void OnCommentChanged();
    void OnEdgeCard();
    void OnLayerTab();
    void OnWizard();
    void OnUpdateTool(plat::CmdUI& ui);
    void OnUpdateGrid(plat::CmdUI& ui);
    void OnUpdateScale(plat::CmdUI& ui);
    void OnUpdateMetric(plat::CmdUI& ui);
    void zoomAbout(bool in);
    void setGrid(unsigned id);
    void applyDesignator(const std::string& letters);
    bool runWizard();
    bool saveToLibrary();

    std::vector<BoardObject> store_;
    PackageLabels labels_;
    int layerCount_ = 1;
    bool entered_ = false;
    int pressCount_ = 0;
    int pendingScroll_[2] = {-1, -1};
    int32_t lastRightPoint_[2] = {0, 0};
};

// The open package editor, or null.
extern CLibPartEditorDlg* thePartEditor;

// Runs the package editor on a new part (openExisting 0) or on a part of a library; the wizard
// first when asked.
void RunPackageEditor(plat::Wnd* parent, int openExisting, std::string_view library = {}, std::string_view part = {},
                      bool wizard = false);

// Saves the editor's part: the library and part names are asked for, then the part is written
// with its labels. True when it was written.
bool SavePackageToLibrary(plat::Wnd* parent, const BoardObject* objects, int count, const PackageLabels& labels,
                          std::string& partName);
