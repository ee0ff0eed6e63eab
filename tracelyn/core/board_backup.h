#pragma once
// The backup timer's tick: copies of the changed boards (see common/document_backup.h).

// Writes the backups; a failure is told once in status pane 0.
void BackupOpenBoards();
