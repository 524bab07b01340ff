#include "FormsReviewState.h"

int RaisedFormsReviewState(int State)
{
    return State == 0 ? 1 : 2;
}
