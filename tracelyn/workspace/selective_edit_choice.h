#pragma once
// Choosing one class of objects to edit, from the board window and the library editor alike.

// Turns on the one selective-editing switch of the command id (the first id: every switch
// but nets), keeps the id as the selective mode, says "Selected edit CLASS only" on the status
// line and drops the selection and the gesture in progress. Answers the class's place in the
// list (0 for all objects); -1, and nothing changed, for an id outside the list.
int ChooseSelectiveEditClass(unsigned id);
