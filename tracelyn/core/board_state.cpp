#include "tracelyn/core/board_state.h"

CurrentBoard g_board;
ActiveDocument g_active;
BoardSelection g_selection;
BoardEditState g_edit;
BoardLoadState g_load;
FootprintEditorLink g_footprintEditor;
ObjectCountWarning g_countWarning;
OpenDocumentTable g_openDocuments;

WorkAreaSize WorkAreaOf(int32_t sizeLetter)
{
    static constexpr WorkAreaSize kSizes[] = {
        {4000, 4000}, {8000, 4000}, {8000, 8000}, {16000, 8000},
        {16000, 16000}, {32000, 16000}, {32000, 32000},
    };
    if (sizeLetter < 'A' || sizeLetter > 'G')
        sizeLetter = 'A';
    return kSizes[sizeLetter - 'A'];
}
