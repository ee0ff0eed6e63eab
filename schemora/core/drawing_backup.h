#pragma once
// The backup timer's tick: copies of the changed drawings (see common/document_backup.h).

// Writes the backups; a failure is told once in status pane 0.
void BackupOpenDrawings();
