#include "TRecordSet.h"

#include <QtGui/QColor>
