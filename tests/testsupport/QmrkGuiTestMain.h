#pragma once

#include "QmrkTestMain.h"

#include "TApplication.h"

#define QMRK_GUI_TEST_MAIN(TestObject) QMRK_TEST_MAIN_IMPL(TestObject, TApplication)
