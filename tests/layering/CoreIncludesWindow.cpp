#include "TFrmMain.h"
