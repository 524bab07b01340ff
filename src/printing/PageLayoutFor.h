#pragma once

#include <QPageLayout>

class TReportPage;

// The paper of a page without margins: a standard size where the page matches
// one (so printers get "Letter", not a custom size), turned to landscape when
// the page is wider than high.
QPageLayout PageLayoutFor(const TReportPage &Page);
