#include "TFrmImportPreview.h"
