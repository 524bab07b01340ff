#include "TFrmEFW2.h"
