#pragma once

// FormsReviewState counts the closes of the entry windows since the company
// was opened (0, 1, then 2 for good); electronic filing waits for 2.
int RaisedFormsReviewState(int State);
