#include "schemora/core/app_state.h"

SchematicPalette g_palette;
ColorRoles g_colorRoles;
AppFolders g_folders;
EditFilter g_editFilter;
LoadedPartNames g_loadedPartNames;
CursorMarkState g_cursorMark;
EditState g_editState;
