#include "TW2PrintSource.h"

TW2PrintSource::~TW2PrintSource() = default;
