#pragma once
// Removing records from the current store by filling the gap with the last record.

// Deletes object n (1..count) of the current store: its data is freed, the last record's words
// 0 to 7 and data move into slot n, the last slot becomes an empty deleted record, and the count
// drops by one. The active document takes the count and is marked modified.
void RemoveObject(int n);
