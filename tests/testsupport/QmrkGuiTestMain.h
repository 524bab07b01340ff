#pragma once

#include "QmrkTestMain.h"

#include <QApplication>

#define QMRK_GUI_TEST_MAIN(TestObject) QMRK_TEST_MAIN_IMPL(TestObject, QApplication)
