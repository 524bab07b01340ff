#pragma once

#include <QtTest>

// A test that needs an outside tool (poppler-utils, a CUPS server) skips when
// the tool is missing on a developer's machine. The set-up script's test run
// installs every tool and sets QMRK_REQUIRE_TOOLS, so there a missing tool is
// a failure: a skipped test would pass and hide a missing install step.
#define QMRK_REQUIRE_TOOL(Available, Why)                                                                  \
    do {                                                                                                   \
        if (!(Available)) {                                                                                \
            if (qEnvironmentVariableIsSet("QMRK_REQUIRE_TOOLS"))                                           \
                QFAIL(Why);                                                                                \
            QSKIP(Why);                                                                                    \
        }                                                                                                  \
    } while (false)
