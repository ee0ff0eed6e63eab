#pragma once
// The title block: "Title.PIC" beside the library folder, read once per process by the first
// document construction. Without it the program cannot draw a sheet, so a missing file ends
// the program with exit code 1 after "Unable to open file: Title.PIC".

void LoadTitleBlockOnce();
