#include "TRecordSet.h"

#include <QtWidgets/QWidget>
