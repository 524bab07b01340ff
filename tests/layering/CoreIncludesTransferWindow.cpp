#include "TFrmTransfer.h"
